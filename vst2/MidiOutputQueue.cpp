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
    // type and byteSize were set once; every other field is written whole.
    VstMidiEvent& e = FRecords[FCount];
    e.deltaFrames = DeltaFrames;
    e.flags = 0;
    e.noteLength = 0;
    e.noteOffset = 0;
    e.midiData[0] = static_cast<char>(Status);
    e.midiData[1] = static_cast<char>(Data1 & 0x7F);
    e.midiData[2] = static_cast<char>(Data2 & 0x7F);
    e.midiData[3] = 0;
    e.detune = 0;
    e.noteOffVelocity = 0;
    e.reserved1 = 0;
    e.reserved2 = 0;
    if (FCount < MaxEventsPerBlock) ++FCount;
}

VstEvents* TMidiOutputQueue::AsEventList() noexcept {
    static_assert(offsetof(EventList, events) == offsetof(VstEvents, events), "event list head");
    FList->numEvents = FCount;
    FList->reserved = 0;
    return reinterpret_cast<VstEvents*>(FList.get());
}

}  // namespace vst2
