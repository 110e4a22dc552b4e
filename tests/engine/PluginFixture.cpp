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

intptr_t TPluginFixture::Callback(vst2::AEffect*, int32_t Opcode, int32_t Index, intptr_t, void* Ptr, float Opt) {
    if (Opcode == vst2::audioMasterVersion) return 2400;
    if (gCurrent == nullptr) return 0;
    if (Opcode == vst2::audioMasterAutomate) gCurrent->FAutomation.push_back({Index, Opt});
    if (Opcode == vst2::audioMasterProcessEvents) {
        const auto* events = static_cast<const vst2::VstEvents*>(Ptr);
        for (int32_t i = 0; i < events->numEvents; ++i) {
            const auto* e = reinterpret_cast<const vst2::VstMidiEvent*>(events->events[i]);
            gCurrent->FSent.push_back({static_cast<uint8_t>(e->midiData[0]), static_cast<uint8_t>(e->midiData[1]),
                                       static_cast<uint8_t>(e->midiData[2])});
        }
    }
    return 0;
}

void TPluginFixture::Play(uint8_t Status, uint8_t Data1, uint8_t Data2) {
    vst2::VstMidiEvent e{};
    e.type = vst2::kVstMidiType;
    e.byteSize = vst2::kMidiEventByteSize;
    e.midiData[0] = static_cast<char>(Status);
    e.midiData[1] = static_cast<char>(Data1);
    e.midiData[2] = static_cast<char>(Data2);
    vst2::VstEvents list{};
    list.numEvents = 1;
    list.events[0] = reinterpret_cast<vst2::VstEvent*>(&e);
    FPlugin->HostProcessEvents(&list);
    float left[4], right[4];
    float* outputs[2] = {left, right};
    FPlugin->HostProcess(static_cast<float**>(nullptr), outputs, 4, false);
}

}  // namespace kandrel::test
