#include "tests/engine/PluginFixture.h"

namespace kandrel::test {

namespace {
TPluginFixture* gCurrent = nullptr;
}

TPluginFixture::TPluginFixture() : FPlugin(std::make_unique<TVSTPlugin>()) {
    gCurrent = this;
    FPlugin->Create();
    FPlugin->SetAudioMaster(&Callback);
}

TPluginFixture::~TPluginFixture() {
    FPlugin->Destroy();
    gCurrent = nullptr;
}

intptr_t TPluginFixture::Callback(vst2::AEffect*, int32_t Opcode, int32_t Index, intptr_t, void*, float Opt) {
    if (Opcode == vst2::audioMasterVersion) return 2400;
    if (Opcode == vst2::audioMasterAutomate && gCurrent != nullptr) gCurrent->FAutomation.push_back({Index, Opt});
    return 0;
}

}  // namespace kandrel::test
