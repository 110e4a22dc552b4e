// Every input the fuzzer keeps — its seed corpus and each crash it ever found
// (tests/data/fuzz-crashes/) — goes through the host interface in every build,
// the sanitizer and Windows builds included.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "host/TestPaths.h"
#include "host/Utf8Path.h"
#include "tests/hostlevel/HostFixture.h"
#include "tests/support/MessageBoxWatcher.h"
#include "tests/support/TestPresetsFolder.h"

namespace kandrel::test {
namespace {

using namespace vst2;
using Bytes = std::vector<uint8_t>;

Bytes GetChunk(host::THostedPlugin& Plugin) {
    void* data = nullptr;
    const intptr_t size = Plugin.Dispatch(effGetChunk, 1, 0, &data);
    return data != nullptr ? Bytes(static_cast<uint8_t*>(data), static_cast<uint8_t*>(data) + size) : Bytes();
}

void SetChunk(host::THostedPlugin& Plugin, int32_t Kind, const Bytes& Chunk) {
    Plugin.Dispatch(effSetChunk, Kind, static_cast<intptr_t>(Chunk.size()), const_cast<uint8_t*>(Chunk.data()));
}

TEST(FuzzInputs, LoadWithoutHarmAndSettleAfterOneTrip) {
    TTestPresetsFolder folder;
    if (!folder.Available()) GTEST_SKIP() << "no private documents folder here";
    const std::filesystem::path inputs = host::PathFromUtf8(host::ProgramFolder() + "fuzz-inputs");
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(inputs)) files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    ASSERT_FALSE(files.empty()) << "no fuzz inputs copied beside the test program";

    TMessageBoxWatcher boxes;
    host::THostedPlugin plugin(KandrelLibrary());
    for (const auto& file : files) {
        std::ifstream stream(file, std::ios::binary);
        const Bytes input((std::istreambuf_iterator<char>(stream)), std::istreambuf_iterator<char>());
        for (int32_t kind : {1, 0}) {
            SetChunk(plugin, kind, input);
            // One trip may still change the state (a failed load keeps the name it
            // read, a good one drops a name without a file); then it must settle.
            SetChunk(plugin, 1, GetChunk(plugin));
            const Bytes saved = GetChunk(plugin);
            SetChunk(plugin, 1, saved);
            EXPECT_EQ(GetChunk(plugin), saved) << host::Utf8FromPath(file.filename()) << ", kind " << kind;
        }
    }
}

}  // namespace
}  // namespace kandrel::test
