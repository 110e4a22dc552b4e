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

VstEvents* TMidiOutputQueue::AsEventList() noexcept {
    static_assert(offsetof(EventList, events) == offsetof(VstEvents, events), "event list head");
    FList->numEvents = FCount;
    FList->reserved = 0;
    return reinterpret_cast<VstEvents*>(FList.get());
}

}  // namespace vst2
