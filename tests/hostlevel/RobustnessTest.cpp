// Whatever a host passes, the plug-in neither crashes nor writes outside a buffer.
#include <cstring>
#include <limits>
#include <vector>

#include "tests/hostlevel/HostFixture.h"

namespace kandrel::test {
namespace {

using namespace vst2;

// An event list in host memory with room for Count pointers.
struct RawEventList {
    explicit RawEventList(int32_t Count) : Storage(sizeof(VstEvents) + sizeof(VstEvent*) * Count + 16) {
        List()->numEvents = Count;
    }
    VstEvents* List() { return reinterpret_cast<VstEvents*>(Storage.data()); }
    std::vector<unsigned char> Storage;
};

TEST_F(HostLevel, NullPointersWhereTextsOrStructuresAreExpected) {
    for (int32_t opcode : {effSetProgramName, effGetProgramName, effGetParamLabel, effGetParamDisplay,
                           effGetParamName, effEditGetRect, effEditOpen, effGetChunk, effSetChunk, effProcessEvents,
                           effString2Parameter, effGetProgramNameIndexed, effGetEffectName, effGetVendorString,
                           effGetProductString, effCanDo})
        Plugin.Dispatch(opcode, 0, 0, nullptr);
    EXPECT_EQ(Plugin.StringRequest(effGetProgramName), "Default");
}

TEST_F(HostLevel, UnknownRequestsAnswerZero) {
    for (int32_t opcode : {-1, 9, 11, 16, 22, 30, 44, 53, 59, 70, 77, 79, 80, 1000, std::numeric_limits<int32_t>::max()})
        EXPECT_EQ(Plugin.Dispatch(opcode, 7, 7, nullptr, 1.0f), 0) << opcode;
}

TEST_F(HostLevel, MalformedEventListsAreSkipped) {
    VstMidiEvent note{};
    note.type = kVstMidiType;
    note.byteSize = kMidiEventByteSize;
    note.midiData[0] = static_cast<char>(0x90);
    note.midiData[1] = 60;
    note.midiData[2] = 100;
    VstMidiEvent shortEvent = note;
    shortEvent.byteSize = 8;  // too small to hold MIDI data
    VstMidiEvent sysex = note;
    sysex.type = kVstSysExType;  // system exclusive: ignored
    VstMidiEvent unknownType = note;
    unknownType.type = 99;

    for (int32_t count : {0, -5, std::numeric_limits<int32_t>::min()}) {
        RawEventList empty(0);
        empty.List()->numEvents = count;
        Plugin.Dispatch(effProcessEvents, 0, 0, empty.List());
    }
    RawEventList list(5);
    VstEvent** events = list.List()->events;
    events[0] = nullptr;
    events[1] = reinterpret_cast<VstEvent*>(&shortEvent);
    events[2] = reinterpret_cast<VstEvent*>(&sysex);
    events[3] = reinterpret_cast<VstEvent*>(&unknownType);
    events[4] = reinterpret_cast<VstEvent*>(&note);
    Plugin.Dispatch(effProcessEvents, 0, 0, list.List());
    Plugin.Process(16);
    const auto out = Plugin.TakeReceivedEvents();
    ASSERT_EQ(out.size(), 1u);
    EXPECT_EQ(out[0], MidiMessage(0, 0x90, 60, 100));
}

TEST_F(HostLevel, ProcessingCallsWithoutBuffersOrFrames) {
    const AEffect* e = Plugin.Effect();
    AEffect* effect = Plugin.Effect();
    Plugin.ProcessEvents({MidiMessage(0, 0x90, 60, 100)});
    e->processReplacing(effect, nullptr, nullptr, -1);
    e->processReplacing(effect, nullptr, nullptr, 0);
    EXPECT_TRUE(Plugin.TakeReceivedEvents().empty());
    float* noChannels[2] = {nullptr, nullptr};
    e->processReplacing(effect, nullptr, noChannels, 8);
    e->processReplacing(effect, nullptr, nullptr, 8);
    double* noDouble[2] = {nullptr, nullptr};
    e->processDoubleReplacing(effect, nullptr, noDouble, 8);
    e->process(effect, nullptr, nullptr, 8);
    // The first call with frames sent the queued note.
    EXPECT_EQ(Plugin.TakeReceivedEvents().size(), 1u);
}

TEST_F(HostLevel, EditorRectangleIsZeroWithoutAnEditor) {
    ERect* rect = reinterpret_cast<ERect*>(static_cast<uintptr_t>(0x1234));
    EXPECT_EQ(Plugin.Dispatch(effEditGetRect, 0, 0, &rect), 0);
    EXPECT_EQ(rect, nullptr);
    Plugin.Dispatch(effEditIdle);
    Plugin.Dispatch(effEditClose);
}

}  // namespace
}  // namespace kandrel::test
