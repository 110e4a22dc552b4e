// "kandrel-host editor", run in-process as the command line runs it.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "host/TestPaths.h"
#include "host/win32/WindowCapture.h"
#include "tests/gui/GuiTestSupport.h"
#include "tests/support/RunHost.h"
#include "tests/support/TempFolder.h"

namespace kandrel::test {
namespace {

uint32_t BigEndian(const std::vector<char>& Bytes, size_t At) {
    uint32_t value = 0;
    for (size_t i = 0; i < 4; ++i) value = (value << 8) | static_cast<uint8_t>(Bytes[At + i]);
    return value;
}

TEST(HostEditorCommand, TakesAScreenshotOfTheEditorsSizeAndCloses) {
    TTempFolder folder;
    const std::string shot = folder.Text("editor.png");
    const TRunResult run = RunHost(
        {"editor", host::PluginPathBesideProgram(KANDREL_PLUGIN_FILE), "--set", "6=0.75", "--screenshot", shot});
    ASSERT_EQ(run.Code, 0) << run.Err;
    EXPECT_EQ(run.Out, "editor: 531 x 396\nscreenshot: 531 x 396 -> " + shot + "\n");

    std::ifstream file(folder.PathOf("editor.png"), std::ios::binary);
    const std::vector<char> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    ASSERT_GT(bytes.size(), 24u);
    EXPECT_EQ(std::string(bytes.data() + 1, 3), "PNG");
    EXPECT_EQ(BigEndian(bytes, 16), 531u);  // IHDR width
    EXPECT_EQ(BigEndian(bytes, 20), 396u);  // IHDR height

    // What the file shows is the editor: the tile in the panel's margin, the
    // panel's colour blended over it inside.
    const host::TCapture picture = host::LoadPng(shot);
    ASSERT_EQ(picture.Width, 531);
    ASSERT_EQ(picture.Height, 396);
    const ui::TColor panel = CarbonPanelColor();
    for (const auto& [x, y] : {std::pair{0, 0}, {530, 200}, {260, 2}, {100, 394}})
        EXPECT_EQ(picture.At(x, y), TileColor(x, y)) << "margin pixel " << x << "," << y;
    for (const auto& [x, y] : {std::pair{20, 20}, {265, 198}, {500, 370}})
        EXPECT_LE(ColorDistance(picture.At(x, y), Blend(TileColor(x, y), panel, 220)), 2)
            << "panel pixel " << x << "," << y;
}

TEST(HostEditorCommand, RefusesPluginsWithoutAnEditorAndBadArguments) {
    const TRunResult none =
        RunHost({"editor", host::PluginPathBesideProgram(host::ModuleFileName("kandrel_fixture_echo"))});
    EXPECT_EQ(none.Code, 3);
    EXPECT_NE(none.Err.find("the plug-in has no editor (flags 0x30 lack HasEditor, 0x1)"), std::string::npos)
        << none.Err;

    const std::string plugin = host::PluginPathBesideProgram(KANDREL_PLUGIN_FILE);
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"editor"}, {"editor", plugin, "--seconds", "0"}, {"editor", plugin, "--set", "6"},
          {"editor", plugin, "--set", "99=0.5"}, {"editor", plugin, "--frame"}})
        EXPECT_EQ(RunHost(args).Code, 2) << args.back();
}

}  // namespace
}  // namespace kandrel::test
