// The init preset: a file "init.ostrik88p" in the presets folder gives every
// new instance its starting state; a file that cannot be used leaves the
// instance at the defaults, and the instance is created either way.
#include <filesystem>

#include "host/Utf8Path.h"
#include "tests/hostlevel/HostFixture.h"
#include "tests/support/MessageBoxWatcher.h"
#include "tests/support/PresetBytes.h"
#include "tests/support/TestPresetsFolder.h"

namespace kandrel::test {
namespace {

using namespace vst2;
using Bytes = std::vector<uint8_t>;

class InitPresetTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!Folder.Available()) GTEST_SKIP() << "no private documents folder here";
    }
    TTestPresetsFolder Folder;
};

TEST_F(InitPresetTest, GivesANewInstanceItsStateWithoutAName) {
    TPresetState state = DefaultState();
    state.Name = "Init Name";
    state.Bands[1][0] = 1;   // Band2 Active
    state.Bands[1][5] = 25;  // Band2 Velocity Scale
    state.Assignments = {{"Band2 Velocity Scale", 1}};
    Folder.WriteFile("init.ostrik88p", PresetStream(state).Container());
    Folder.WriteFile("Init Name.ostrik88p", {});  // the name would stay after any other load

    TMessageBoxWatcher boxes;
    host::THostedPlugin plugin(KandrelLibrary());
    EXPECT_EQ(plugin.GetParameter(8), 1.0f);
    EXPECT_EQ(plugin.GetParameter(13), 0.625f);
    TPresetState expected = state;
    expected.Name = "";
    EXPECT_EQ(GetChunkBytes(plugin), PresetStream(expected).Container());

    plugin.ProcessEvents({MidiMessage(0, 0xB0, 1, 0)});
    plugin.Process(64);
    EXPECT_EQ(plugin.GetParameter(13), 0.0f);
    EXPECT_EQ(boxes.Captured(), "");
}

TEST_F(InitPresetTest, AnUnusableFileLeavesTheDefaults) {
    TPresetState cut = DefaultState();
    cut.Bands[2][0] = 1;
    Bytes longerThanPresent = PresetStream(cut).Container();
    longerThanPresent[6] = 0x01;
    struct Case {
        const char* What;
        Bytes File;
        bool Box;
    };
    const Case cases[] = {
        {"stream ends after the body", PresetStreamUpToControllers(cut).Container(), true},
        {"sixth band", [] {
             TPresetState six = DefaultState();
             six.Bands.push_back({1, 1, 1, 1, 1, 1, 1});
             return PresetStream(six).Container();
         }(), true},
        {"not a container", Bytes(100, 'x'), false},
        {"container longer than the file", longerThanPresent, false},
        {"empty file", {}, false},
    };
    const Bytes defaults = TPresetBytes(PresetStream(DefaultState())).Container();
    for (const Case& c : cases) {
        Folder.WriteFile("init.ostrik88p", c.File);
        TMessageBoxWatcher boxes;
        host::THostedPlugin plugin(KandrelLibrary());
        EXPECT_EQ(GetChunkBytes(plugin), defaults) << c.What;
        EXPECT_EQ(boxes.Captured().find("Load Preset: Error loading preset.") != std::string::npos, c.Box)
            << c.What << ": " << boxes.Captured();
    }

    // A folder of that name is not a preset file.
    Folder.RemoveFile("init.ostrik88p");
    std::filesystem::create_directory(host::PathFromUtf8(Folder.Path() + "init.ostrik88p"));
    {
        host::THostedPlugin plugin(KandrelLibrary());
        EXPECT_EQ(GetChunkBytes(plugin), defaults);
    }
    std::filesystem::remove(host::PathFromUtf8(Folder.Path() + "init.ostrik88p"));
}

}  // namespace
}  // namespace kandrel::test
