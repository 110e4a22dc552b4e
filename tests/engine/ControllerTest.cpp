// Controllers: learning an assignment for the clicked control, and assigned
// controllers driving their parameters over the whole range.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/engine/PluginFixture.h"
#include "tests/engine/RecordingEditor.h"

namespace kandrel::test {
namespace {

using Bytes = std::array<uint8_t, 3>;

class Controllers : public ::testing::Test {
protected:
    Controllers() { f.Plugin().SetEditorForm(&editor); }
    ~Controllers() override { f.Plugin().SetEditorForm(nullptr); }
    TMidiCCList& List() { return *f.Plugin().MidiCCList; }
    TPluginFixture f;
    TRecordingEditor editor;
};

TEST_F(Controllers, LearningAssignsTheMovedControllerToTheClickedParameter) {
    TVSTPlugin& p = f.Plugin();
    p.SetParameterByName("Band2 Velocity Max", 99.0f);
    p.SetMidiLearnMode(1);
    f.Play(0xB4, 10, 20);  // nothing clicked yet: learns and drives nothing
    EXPECT_EQ(List().Count(), 0);
    EXPECT_EQ(p.MidiLearnMode(), 1);

    p.SetMidiLearnParameter("Band2 Velocity Max");
    f.Automation().clear();
    f.Play(0xB4, 74, 3);  // controller 74 on channel 5
    ASSERT_EQ(List().Count(), 1);
    EXPECT_EQ(List().GetItem(0).ParameterName(), "Band2 Velocity Max");
    EXPECT_EQ(List().GetItem(0).CC(), 74);
    EXPECT_EQ(editor.Infos, std::vector<std::string>{"Band2 Velocity Max = CC# 74"});
    EXPECT_EQ(p.MidiLearnMode(), 0);
    EXPECT_EQ(p.MidiLearnParameter(), "");
    // The parameter keeps its value, and the host hears of it once.
    EXPECT_EQ(f.Value("Band2 Velocity Max"), 99.0f);
    ASSERT_EQ(f.Automation().size(), 1u);
    EXPECT_EQ(f.Automation()[0].Index, 12);
    // The control change itself goes out unchanged.
    EXPECT_EQ(f.Sent(), (std::vector<Bytes>{{0xB4, 10, 20}, {0xB4, 74, 3}}));
}

TEST_F(Controllers, LearningAgainReplacesTheNumber) {
    TVSTPlugin& p = f.Plugin();
    for (uint8_t controller : {74, 75}) {
        p.SetMidiLearnMode(1);
        p.SetMidiLearnParameter("Band2 Velocity Max");
        f.Play(0xB0, controller, 0);
    }
    ASSERT_EQ(List().Count(), 1);
    EXPECT_EQ(List().GetItem(0).CC(), 75);
}

TEST_F(Controllers, ControllerValuesCoverEachParametersRange) {
    struct Case {
        const char* Name;
        uint8_t Value;
        float Expected;
    };
    const Case cases[] = {
        {"Band1 Scale Random", 127, 200.0f}, {"Band1 Scale Random", 0, 0.0f},
        {"Band1 Range From", 100, 100.0f},   {"Band1 Velocity Scale", 0, -100.0f},
        {"Band1 Velocity Scale", 127, 100.0f},
        {"Band1 Velocity Scale", 63, static_cast<float>(-100.0 + 200.0 * (63 / 127.0))},
    };
    for (const Case& c : cases) {
        List().Clear();
        List().AssignCC(c.Name, 7);
        f.Play(0xB0, 7, c.Value);
        EXPECT_EQ(f.Value(c.Name), c.Expected) << c.Name << " at " << int{c.Value};
    }
    EXPECT_EQ(f.Band(0).VelocityScale.load(), -1);  // -0.787... rounds to -1
}

TEST_F(Controllers, OnOffParametersSwitchAtSixtyFour) {
    List().AssignCC("Band3 Active", 20);
    f.Play(0xB0, 20, 63);
    EXPECT_FALSE(f.Band(2).Active.load());
    f.Play(0xB0, 20, 64);
    EXPECT_TRUE(f.Band(2).Active.load());
}

TEST_F(Controllers, OneControllerDrivesSeveralParametersInListOrder) {
    List().AssignCC("Band1 Range To", 7);
    List().AssignCC("Band2 Range To", 8);
    List().AssignCC("Filter Type", 7);
    f.Automation().clear();
    f.Play(0xB0, 7, 0);
    ASSERT_EQ(f.Automation().size(), 2u);
    EXPECT_EQ(f.Automation()[0].Index, 3);
    EXPECT_EQ(f.Automation()[1].Index, 0);
    EXPECT_EQ(f.Value("Band1 Range To"), 0.0f);
    EXPECT_EQ(f.Value("Band2 Range To"), 127.0f);
    EXPECT_EQ(f.Plugin().Bands->FilterMode.load(), 0);
}

TEST_F(Controllers, AssignedControllersKeepDrivingInModesTwoAndThree) {
    List().AssignCC("Band1 Range From", 30);
    for (uint8_t mode : {2, 3}) {
        f.Plugin().SetMidiLearnMode(mode);
        f.Play(0xB0, 30, mode);
        EXPECT_EQ(f.Value("Band1 Range From"), mode);
    }
}

TEST_F(Controllers, NamesOfNoParameterAreNotKeptAndDisturbNothing) {
    EXPECT_EQ(List().AssignCC("Band6 Active", 7), nullptr);
    EXPECT_EQ(List().AssignCC("band1 active", 7), nullptr);
    List().AssignCC("Band1 Range From", 7);
    ASSERT_EQ(List().Count(), 1);
    f.Play(0xB0, 7, 5);
    EXPECT_EQ(f.Value("Band1 Range From"), 5.0f);
}

TEST_F(Controllers, DeletingKeepsTheOrderOfTheRest) {
    for (const char* name : {"Band1 Active", "Band2 Active", "Band3 Active"}) List().AssignCC(name, 1);
    List().Delete(0);
    List().Delete(5);  // out of range: nothing
    ASSERT_EQ(List().Count(), 2);
    EXPECT_EQ(List().GetItem(0).ParameterName(), "Band2 Active");
    EXPECT_EQ(List().GetItem(1).ParameterName(), "Band3 Active");
    EXPECT_EQ(List().IndexOfParameter("Band3 Active"), 1);
    EXPECT_EQ(List().IndexOfParameter("Band1 Active"), -1);
    EXPECT_THROW(List().GetItem(2), std::out_of_range);
    f.Plugin().ResetPreset();
    EXPECT_EQ(List().Count(), 0);
}

TEST_F(Controllers, NoteLearnHandsTheNoteToTheEditor) {
    f.Plugin().SetMidiLearnMode(3);
    f.Play(0x90, 61, 80);
    EXPECT_EQ(editor.Notes, std::vector<int32_t>{61});
    EXPECT_TRUE(f.Sent().empty());
}

}  // namespace
}  // namespace kandrel::test
