// A bare host for real-time checks: loads the plug-in through its entry point
// and answers the callback with atomics only, so that the host side neither
// allocates nor races while the plug-in is being watched.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <vector>

#include "host/PluginHost.h"

namespace kandrel::test {

class TRealtimeHost {
public:
    TRealtimeHost();
    ~TRealtimeHost();

    vst2::AEffect* Effect() const noexcept { return FEffect; }
    // A prepared event list of Count note-ons, with a control change every
    // eighth event unless NoteOnsOnly.
    vst2::VstEvents* Events(int32_t Count, bool NoteOnsOnly = false);
    // One block as a host runs it: events in, then a processing call.
    void RunBlock(vst2::VstEvents* Events, int32_t Frames);
    // Saves and restores the state as a host does: effGetChunk, then
    // effSetChunk with the bytes just handed over (Kind 1 program, 0 bank).
    void ChunkRoundTrip(int32_t Kind);
    // Blocks of 32 events and 64 frames on this thread while another thread,
    // the host's user interface, calls UiStep(0), UiStep(1), ... until the
    // blocks are done. Answers the number of events the host received.
    int64_t ProcessWhileUserInterfaceRuns(int32_t Blocks, const std::function<void(int32_t)>& UiStep);

    std::atomic<int64_t> EventsReceived{0};
    std::atomic<int64_t> AutomationReceived{0};

private:
    static intptr_t Callback(vst2::AEffect* Effect, int32_t Opcode, int32_t Index, intptr_t Value, void* Ptr,
                             float Opt);
    vst2::AEffect* FEffect = nullptr;
    std::vector<vst2::VstMidiEvent> FRecords;
    std::vector<unsigned char> FList;
    std::vector<float> FLeft, FRight;
    float* FOutputs[2] = {nullptr, nullptr};
};

}  // namespace kandrel::test
