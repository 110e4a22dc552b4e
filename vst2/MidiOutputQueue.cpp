#include "vst2/MidiOutputQueue.h"

#include <cstddef>

namespace vst2 {

TMidiOutputQueue::TMidiOutputQueue()
    : FRecords(new VstMidiEvent[Capacity]()), FList(new EventList()) {
    for (int32_t i = 0; i < Capacity; ++i) {
        FRecords[i].type = kVstMidiType;
        FRecords[i].byteSize = kMidiEventByteSize;
        FList->events[i] = reinterpret_cast<VstEvent*>(&FRecords[i]);
    }
}

void TMidiOutputQueue::Add(uint8_t Status, uint8_t Data1, uint8_t Data2, int32_t DeltaFrames) noexcept {
    VstMidiEvent& e = FRecords[FCount];
    e = VstMidiEvent{};
    e.type = kVstMidiType;
    e.byteSize = kMidiEventByteSize;
    e.deltaFrames = DeltaFrames;
    e.midiData[0] = static_cast<char>(Status);
    e.midiData[1] = static_cast<char>(Data1 & 0x7F);
    e.midiData[2] = static_cast<char>(Data2 & 0x7F);
    if (FCount < MaxEventsPerBlock) ++FCount;
}

VstEvents* TMidiOutputQueue::AsEventList() noexcept {
    static_assert(offsetof(EventList, events) == offsetof(VstEvents, events), "event list head");
    FList->numEvents = FCount;
    FList->reserved = 0;
    return reinterpret_cast<VstEvents*>(FList.get());
}

}  // namespace vst2
