// The MIDI events a module sends to the host at the end of the next processing
// call. All records are allocated once; adding and sending allocate nothing.
// Thread: the host's processing thread only.
#pragma once

#include <cstdint>
#include <memory>

#include "vst2/VstInterface.h"

namespace vst2 {

class TMidiOutputQueue {
public:
    static constexpr int32_t Capacity = 1024;
    // One record stays spare: a 1024th event of a block overwrites it and is not sent.
    static constexpr int32_t MaxEventsPerBlock = Capacity - 1;

    TMidiOutputQueue();

    // Inline: it runs once for every event that passes the plug-in.
    void Add(uint8_t Status, uint8_t Data1, uint8_t Data2, int32_t DeltaFrames) noexcept;
    int32_t Count() const noexcept { return FCount; }
    // The queued events as the host's event list; valid until the next Add or Clear.
    VstEvents* AsEventList() noexcept;
    void Clear() noexcept { FCount = 0; }

private:
    // Same head as VstEvents, with room for every record.
    struct EventList {
        int32_t numEvents;
        intptr_t reserved;
        VstEvent* events[Capacity];
    };

    std::unique_ptr<VstMidiEvent[]> FRecords;
    std::unique_ptr<EventList> FList;
    int32_t FCount = 0;
};

inline void TMidiOutputQueue::Add(uint8_t Status, uint8_t Data1, uint8_t Data2, int32_t DeltaFrames) noexcept {
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

}  // namespace vst2
