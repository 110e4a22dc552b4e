// A Kandrel module created the way the entry point creates one, answering to a
// recording host callback, for tests that look inside the engine.
#pragma once

#include <array>
#include <memory>
#include <vector>

#include "plugin/Plugin.h"

namespace kandrel::test {

struct TRecordedAutomation {
    int32_t Index;
    float Value;
};

class TPluginFixture {
public:
    TPluginFixture();
    ~TPluginFixture();

    TVSTPlugin& Plugin() { return *FPlugin; }
    std::vector<TRecordedAutomation>& Automation() { return FAutomation; }
    // Status and data bytes of every MIDI event the plug-in sent.
    std::vector<std::array<uint8_t, 3>>& Sent() { return FSent; }
    // One event in, one processing call.
    void Play(uint8_t Status, uint8_t Data1, uint8_t Data2);
    // The value store's plain value of the named parameter.
    float Value(const std::string& Name) { return FPlugin->ParameterValues->GetItem(Name).Value(); }
    TVeloBand& Band(int32_t Index) { return FPlugin->Bands->GetItem(Index); }

private:
    static intptr_t Callback(vst2::AEffect* Effect, int32_t Opcode, int32_t Index, intptr_t Value, void* Ptr,
                             float Opt);
    std::unique_ptr<TVSTPlugin> FPlugin;
    std::vector<TRecordedAutomation> FAutomation;
    std::vector<std::array<uint8_t, 3>> FSent;
};

}  // namespace kandrel::test
