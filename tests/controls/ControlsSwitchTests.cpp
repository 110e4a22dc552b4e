// The editor's switch: Value and the "on" frame, change events, presses, the
// press hook and the loading phase.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "ControlsTestSupport.h"
#include "controls/JovGuiStitchedSwitch.h"
#include "ui/PngImage.h"

namespace kandrel::testing {
namespace {

using namespace kandrel::ui;
using controls::TJovGuiStitchedSwitch;

class ControlsSwitch : public ::testing::Test {
protected:
    ControlsSwitch() {
        strips.Add("Switch", std::make_shared<TPngImage>(PngHeaderBytes(24, 48)), 2);
        sw.SetParent(&w.Window);
        sw.SetBounds(8, 9, 24, 24);
        sw.SetImageList(&strips);
        sw.SetImageIndex(0);
        sw.OnChange = [this](TControl&) { events.push_back("change " + std::to_string(sw.GlyphIndex())); };
        sw.OnMouseDown = [this](TControl&, TMouseButton, TShiftState, int32_t, int32_t) { events.push_back("down"); };
    }
    void Click(TMouseButton Button) {
        w.Press({10, 10}, Button);
        w.Release({10, 10}, Button);
    }
    TTestWindow w;
    TGuiStitchedPNGList strips;
    TJovGuiStitchedSwitch sw;
    std::vector<std::string> events;
};

TEST_F(ControlsSwitch, ValueMapsToTheOnFrameBothWays) {
    struct Case {
        uint8_t onGlyph;
        bool value;
        int32_t frame;
    };
    const Case cases[] = {{1, true, 1}, {1, false, 0}, {0, true, 0}, {0, false, 1}};
    for (const Case& c : cases) {
        sw.OnGlyphIndex = c.onGlyph;
        sw.SetValue(c.value);
        EXPECT_EQ(sw.GlyphIndex(), c.frame) << int(c.onGlyph) << " " << c.value;
        EXPECT_EQ(sw.Value(), c.value);
    }
}

TEST_F(ControlsSwitch, WritingTheSameValueFiresNoChange) {
    sw.SetValue(true);
    sw.SetValue(true);
    sw.SetValue(false);
    sw.SetGlyphIndex(7);  // clamped to the last frame
    EXPECT_EQ(events, (std::vector<std::string>{"change 1", "change 0", "change 1"}));
    sw.SetImageList(nullptr);
    sw.SetGlyphIndex(0);
    EXPECT_EQ(sw.GlyphIndex(), -1);
}

TEST_F(ControlsSwitch, LeftAndRightPressesBothToggleBeforeOnMouseDown) {
    Click(TMouseButton::mbRight);
    Click(TMouseButton::mbRight);
    Click(TMouseButton::mbLeft);
    EXPECT_EQ(events, (std::vector<std::string>{"change 1", "down", "change 0", "down", "change 1", "down"}));
}

TEST_F(ControlsSwitch, AVetoedPressChangesNothingAndFiresNothing) {
    int asked = 0;
    sw.OnBeforeMouseDown = [&](TControl& Sender, TMouseButton, TShiftState Shift, int32_t X, int32_t Y, bool& Continue) {
        ++asked;
        EXPECT_EQ(&Sender, &sw);
        EXPECT_EQ(Shift, ssLeft);
        EXPECT_EQ(X, 2);
        EXPECT_EQ(Y, 1);
        Continue = false;
    };
    Click(TMouseButton::mbLeft);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(sw.GlyphIndex(), 0);
    EXPECT_TRUE(events.empty());
}

TEST_F(ControlsSwitch, WhileLoadingValuesAreStoredUnchangedAndSilently) {
    w.Window.BeginLoading();
    sw.SetGlyphIndex(5);
    EXPECT_EQ(sw.GlyphIndex(), 5);
    sw.OnGlyphIndex = 0;
    sw.SetValue(false);
    EXPECT_EQ(sw.GlyphIndex(), 1);
    w.Window.EndLoading();
    EXPECT_TRUE(events.empty());
    sw.SetValue(true);
    EXPECT_EQ(events, (std::vector<std::string>{"change 0"}));
}

}  // namespace
}  // namespace kandrel::testing
