#include "tests/realtime/RealtimeHost.h"

#include <thread>

#include "tests/support/KandrelLibrary.h"

namespace kandrel::test {

namespace {
constexpr int32_t kMaxFrames = 4096;
constexpr int32_t kMaxEvents = 1024;
TRealtimeHost* gHost = nullptr;
}  // namespace

TRealtimeHost::TRealtimeHost()
    : FRecords(kMaxEvents), FList(sizeof(vst2::VstEvents) + sizeof(vst2::VstEvent*) * kMaxEvents),
      FLeft(kMaxFrames), FRight(kMaxFrames) {
    gHost = this;
    FEffect = KandrelLibrary().Entry()(&Callback);
    if (FEffect == nullptr) throw host::THostError("the plug-in refused to start");
    FOutputs[0] = FLeft.data();
    FOutputs[1] = FRight.data();
}

TRealtimeHost::~TRealtimeHost() {
    FEffect->dispatcher(FEffect, vst2::effClose, 0, 0, nullptr, 0.0f);
    gHost = nullptr;
}

intptr_t TRealtimeHost::Callback(vst2::AEffect*, int32_t Opcode, int32_t, intptr_t, void* Ptr, float) {
    switch (Opcode) {
        case vst2::audioMasterVersion:
            return 2400;
        case vst2::audioMasterAutomate:
            if (gHost != nullptr) gHost->AutomationReceived.fetch_add(1, std::memory_order_relaxed);
            return 0;
        case vst2::audioMasterProcessEvents:
            if (gHost != nullptr && Ptr != nullptr)
                gHost->EventsReceived.fetch_add(static_cast<const vst2::VstEvents*>(Ptr)->numEvents,
                                                std::memory_order_relaxed);
            return 1;
        default:
            return 0;
    }
}

vst2::VstEvents* TRealtimeHost::Events(int32_t Count, bool NoteOnsOnly) {
    auto* list = reinterpret_cast<vst2::VstEvents*>(FList.data());
    list->numEvents = Count;
    for (int32_t i = 0; i < Count; ++i) {
        vst2::VstMidiEvent& e = FRecords[static_cast<size_t>(i)];
        e = vst2::VstMidiEvent{};
        e.type = vst2::kVstMidiType;
        e.byteSize = vst2::kMidiEventByteSize;
        e.deltaFrames = i % 64;
        const bool controller = !NoteOnsOnly && i % 8 == 7;
        e.midiData[0] = static_cast<char>(controller ? 0xB0 : 0x90);
        e.midiData[1] = static_cast<char>(controller ? 7 : 36 + i % 48);
        e.midiData[2] = static_cast<char>(1 + (i * 37) % 127);
        list->events[i] = reinterpret_cast<vst2::VstEvent*>(&e);
    }
    return list;
}

void TRealtimeHost::RunBlock(vst2::VstEvents* Events, int32_t Frames) {
    FEffect->dispatcher(FEffect, vst2::effProcessEvents, 0, 0, Events, 0.0f);
    FEffect->processReplacing(FEffect, nullptr, FOutputs, Frames);
}

void TRealtimeHost::ChunkRoundTrip(int32_t Kind) {
    void* data = nullptr;
    const intptr_t size = FEffect->dispatcher(FEffect, vst2::effGetChunk, Kind, 0, &data, 0.0f);
    FEffect->dispatcher(FEffect, vst2::effSetChunk, Kind, size, data, 0.0f);
}

int64_t TRealtimeHost::ProcessWhileUserInterfaceRuns(int32_t Blocks, const std::function<void(int32_t)>& UiStep) {
    vst2::VstEvents* events = Events(32);
    std::atomic<bool> stop{false};
    std::thread userInterface([&] {
        for (int32_t i = 0; !stop.load(); ++i) UiStep(i);
    });
    for (int32_t block = 0; block < Blocks; ++block) RunBlock(events, 64);
    stop.store(true);
    userInterface.join();
    return EventsReceived.load();
}

}  // namespace kandrel::test
