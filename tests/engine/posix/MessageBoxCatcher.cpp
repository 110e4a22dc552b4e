#include <gtest/gtest.h>

#include "tests/engine/MessageBoxCatcher.h"

namespace kandrel::test {

struct TMessageBoxCatcher::TState {
    bool Capturing = false;
};

TMessageBoxCatcher::TMessageBoxCatcher() : FState(std::make_unique<TState>()) {
    testing::internal::CaptureStderr();
    FState->Capturing = true;
}

TMessageBoxCatcher::~TMessageBoxCatcher() { Finish(); }

std::vector<TCaughtBox> TMessageBoxCatcher::Finish() {
    if (!FState->Capturing) return {};
    FState->Capturing = false;
    std::string output = testing::internal::GetCapturedStderr();
    if (output.empty()) return {};
    if (output.back() == '\n') output.pop_back();
    const size_t colon = output.find(": ");
    if (colon == std::string::npos) return {{"", output}};
    return {{output.substr(0, colon), output.substr(colon + 2)}};
}

}  // namespace kandrel::test
