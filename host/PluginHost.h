// A minimal VST 2.4 host: loads a plug-in file the way hosts do, creates
// instances through its exported entry point, answers the host callback and
// records what the plug-in sends (automation, MIDI events, every request).
// Used by the kandrel-host command and by the host-level tests.
// Thread: one thread drives an instance; the callback may be entered from any.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <stdexcept>
#include <string>
#include <vector>

#include "vst2/VstInterface.h"

namespace kandrel::host {

// One-line message for the user: a missing file, not a plug-in, no entry point,
// an entry point that answered null.
class THostError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A short MIDI message with its position in the block.
struct TMidiMessage {
    int32_t DeltaFrames = 0;
    uint8_t Bytes[3] = {0, 0, 0};
    int32_t Size = 3;  // 2 or 3
    friend bool operator==(const TMidiMessage&, const TMidiMessage&) = default;
};

// A message from its bytes; Size 2 for two-byte messages.
constexpr TMidiMessage MidiMessage(int32_t DeltaFrames, uint8_t Status, uint8_t Data1, uint8_t Data2 = 0,
                                   int32_t Size = 3) {
    return TMidiMessage{DeltaFrames, {Status, Data1, Data2}, Size};
}

struct TAutomation {
    int32_t Index;
    float Value;
};

// One request of the plug-in to the host, as the callback saw it.
struct THostRequest {
    int32_t Opcode;
    int32_t Index;
    intptr_t Value;
    float Opt;
};

using TEntryPoint = vst2::AEffect* (*)(vst2::HostCallback);

class TPluginLibrary {
public:
    // Opens the file and finds "VSTPluginMain", else "main". Throws THostError.
    explicit TPluginLibrary(const std::string& Path);
    ~TPluginLibrary();
    TPluginLibrary(const TPluginLibrary&) = delete;
    TPluginLibrary& operator=(const TPluginLibrary&) = delete;

    TEntryPoint Entry() const noexcept { return FEntry; }
    const std::string& Path() const noexcept { return FPath; }

private:
    std::string FPath;
    void* FHandle = nullptr;
    TEntryPoint FEntry = nullptr;
};

class THostedPlugin {
public:
    // Calls the entry point with this host's callback; HostVersion is what the
    // host answers to the version request (0 makes well-behaved plug-ins refuse).
    // Throws THostError when the entry point answers null. The record's user
    // field becomes this instance's: the callback finds its instance through it.
    explicit THostedPlugin(const TPluginLibrary& Library, int32_t HostVersion = 2400);
    ~THostedPlugin();  // effClose
    THostedPlugin(const THostedPlugin&) = delete;
    THostedPlugin& operator=(const THostedPlugin&) = delete;

    vst2::AEffect* Effect() const noexcept { return FEffect; }
    intptr_t Dispatch(int32_t Opcode, int32_t Index = 0, intptr_t Value = 0, void* Ptr = nullptr, float Opt = 0.0f);

    // Texts read into a generous, zero-filled buffer.
    std::string ParameterName(int32_t Index);
    std::string ParameterDisplay(int32_t Index);
    std::string ParameterLabel(int32_t Index);
    std::string StringRequest(int32_t Opcode, int32_t Index = 0);
    intptr_t CanDo(const std::string& Name);

    void SetParameter(int32_t Index, float Normalized);
    float GetParameter(int32_t Index);

    // effProcessEvents with these messages as one event list.
    void ProcessEvents(const std::vector<TMidiMessage>& Messages);
    // One processing call of SampleFrames frames on two output channels
    // (single-precision replacing, double-precision replacing or accumulating).
    enum class TProcessKind { Replacing, DoubleReplacing, Accumulating };
    void Process(int32_t SampleFrames, TProcessKind Kind = TProcessKind::Replacing);
    // The output buffers of the last processing call.
    const std::vector<float>& Output(int32_t Channel) const { return FOutputs[Channel]; }
    const std::vector<double>& OutputDouble(int32_t Channel) const { return FOutputsDouble[Channel]; }
    // What every output sample holds before a processing call: never zero, so
    // a plug-in that writes silence is told from one that writes nothing.
    static float PrefillSample(int32_t Frame) noexcept;

    // What the plug-in sent since the last Take.
    std::vector<TMidiMessage> TakeReceivedEvents();
    std::vector<TAutomation> TakeAutomation();
    std::vector<THostRequest> TakeRequests();
    // Number of process-events requests (host request 8) received so far.
    int32_t ProcessEventsRequests() const noexcept { return FProcessEventsRequests; }

private:
    static intptr_t Callback(vst2::AEffect* Effect, int32_t Opcode, int32_t Index, intptr_t Value, void* Ptr,
                             float Opt);
    intptr_t Answer(int32_t Opcode, int32_t Index, intptr_t Value, void* Ptr, float Opt);

    void Record(int32_t Opcode, int32_t Index, intptr_t Value, void* Ptr, float Opt);

    vst2::AEffect* FEffect = nullptr;
    int32_t FHostVersion;
    // The callback may come from any thread; the records below are shared with it.
    std::mutex FRecordMutex;
    std::vector<TMidiMessage> FReceived;
    std::vector<TAutomation> FAutomation;
    std::vector<THostRequest> FRequests;
    std::atomic<int32_t> FProcessEventsRequests{0};
    std::vector<float> FOutputs[2];
    std::vector<double> FOutputsDouble[2];
    // Channels past the first two, for plug-ins with more outputs; never read.
    std::vector<std::vector<float>> FSpareOutputs;
    std::vector<std::vector<double>> FSpareOutputsDouble;
    // The last event list: plug-ins may read it until the next processing call.
    std::vector<vst2::VstMidiEvent> FEventRecords;
    std::vector<std::byte> FEventList;
};

}  // namespace kandrel::host
