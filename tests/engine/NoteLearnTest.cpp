// Note-learn mode: the next played note belongs to the editor, not to the host.
#include <gtest/gtest.h>

#include "tests/engine/PluginFixture.h"

namespace kandrel::test {
namespace {

using Bytes = std::array<uint8_t, 3>;

TEST(NoteLearn, TheNextNoteOnIsConsumedAndEndsTheMode) {
    TPluginFixture f;
    f.Plugin().SetMidiLearnMode(3);
    f.Play(0x90, 60, 0);  // velocity 0 is a note-off, not a note to learn
    f.Play(0xB0, 7, 10);  // controllers pass while waiting
    EXPECT_EQ(f.Plugin().MidiLearnMode(), 3);
    f.Play(0x91, 64, 90);
    EXPECT_EQ(f.Plugin().MidiLearnMode(), 0);
    f.Play(0x81, 64, 0);  // the learned note's release still reaches the host
    f.Play(0x91, 65, 90);
    const std::vector<Bytes> expected = {{0x80, 60, 0}, {0xB0, 7, 10}, {0x81, 64, 0}, {0x91, 65, 90}};
    EXPECT_EQ(f.Sent(), expected);
}

TEST(NoteLearn, OnlyControllerLearningKeepsTheWaitingParameter) {
    TPluginFixture f;
    f.Plugin().SetMidiLearnMode(1);
    f.Plugin().SetMidiLearnParameter("Band2 Velocity Max");
    f.Plugin().SetMidiLearnMode(1);
    EXPECT_EQ(f.Plugin().MidiLearnParameter(), "Band2 Velocity Max");
    f.Plugin().SetMidiLearnMode(3);
    EXPECT_EQ(f.Plugin().MidiLearnParameter(), "");
    f.Plugin().SetMidiLearnMode(1);
    f.Plugin().SetMidiLearnParameter("Band6 Active");  // no such parameter: nothing waits
    EXPECT_EQ(f.Plugin().MidiLearnParameter(), "");
}

}  // namespace
}  // namespace kandrel::test
