// The speed button's press hook and swallowed click, grouped and drop-down
// buttons, and the heading's menu button with its skin-coloured glyphs.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "ControlsTestSupport.h"
#include "controls/JovMenuButton.h"
#include "controls/JovPopupMenu.h"
#include "controls/JovSpTBXSpeedButton.h"
#include "ui/RecordingCanvas.h"
#include "ui/StyleManager.h"

namespace kandrel::testing {
namespace {

using namespace kandrel::ui;
using controls::TJovMenuButton;
using controls::TJovPopupMenu;
using controls::TJovSpTBXSpeedButton;

class ControlsSpeedButton : public ::testing::Test {
protected:
    ControlsSpeedButton() {
        button.SetParent(&w.Window);
        button.SetBounds(226, 8, 205, 26);
        button.OnMouseDown = [this](TControl&, TMouseButton, TShiftState, int32_t, int32_t) { events.push_back("down"); };
        button.OnClick = [this](TControl&) { events.push_back("click"); };
    }
    void ClickAt(TPoint P) {
        w.Press(P);
        w.Release(P);
    }
    TTestWindow w;
    TJovSpTBXSpeedButton button;
    std::vector<std::string> events;
};

TEST_F(ControlsSpeedButton, StartsSmallWithNoValue) {
    const TJovSpTBXSpeedButton fresh;
    EXPECT_EQ(fresh.Width(), 22);
    EXPECT_EQ(fresh.Height(), 22);
    EXPECT_EQ(fresh.ButtonValue, -1);
    EXPECT_TRUE(fresh.PressAccepted());
}

TEST_F(ControlsSpeedButton, AVetoedPressFiresNeitherMouseDownNorClickAndTheNextPressClicks) {
    bool veto = true;
    button.OnBeforeMouseDown = [&](TControl&, TMouseButton, TShiftState, int32_t, int32_t, bool& Continue) {
        Continue = !veto;
    };
    w.Press({300, 20});
    EXPECT_FALSE(button.Pressed());
    EXPECT_FALSE(button.PressAccepted());
    w.Release({300, 20});
    EXPECT_TRUE(events.empty());
    button.Click();  // only the click of the vetoed press was swallowed
    EXPECT_EQ(events, (std::vector<std::string>{"click"}));
    veto = false;
    w.Press({300, 20});
    EXPECT_TRUE(button.Pressed());
    w.Release({300, 20});
    EXPECT_FALSE(button.Pressed());
    EXPECT_EQ(events, (std::vector<std::string>{"click", "down", "click"}));
}

TEST_F(ControlsSpeedButton, ClickFromCodeFiresOnClick) {
    button.Click();
    EXPECT_EQ(events, (std::vector<std::string>{"click"}));
}

TEST_F(ControlsSpeedButton, GroupedButtonsCheckOneAtATime) {
    TJovSpTBXSpeedButton& other = w.Window.AddChild<TJovSpTBXSpeedButton>();
    other.SetBounds(0, 0, 100, 26);
    for (TJovSpTBXSpeedButton* b : {&button, &other}) b->SetGroupIndex(1);
    other.SetChecked(true);
    ClickAt({300, 20});
    EXPECT_TRUE(button.Checked());
    EXPECT_FALSE(other.Checked());
    ClickAt({300, 20});  // without AllowAllUp it stays down
    EXPECT_TRUE(button.Checked());
    other.SetChecked(true);
    EXPECT_FALSE(button.Checked());
    EXPECT_EQ(events, (std::vector<std::string>{"down", "click", "down", "click"}));
}

TEST_F(ControlsSpeedButton, ADropDownMenuOpensBelowTheButtonInsteadOfOnClick) {
    TJovPopupMenu menu;
    button.SetDropDownMenu(&menu);
    ClickAt({300, 20});
    EXPECT_EQ(events, (std::vector<std::string>{"down"}));
    ASSERT_EQ(w.Backend.MenuPoints.size(), 1u);
    EXPECT_EQ(w.Backend.MenuPoints[0], (TPoint{1000 + 226, 500 + 8 + 26}));
}

class ControlsMenuButton : public ::testing::Test {
protected:
    void SetUp() override {
        TStyleManager::Reset();
        w.Resources.Bitmaps["menu16"] = BmpBytes(Menu16Bitmap());
    }
    void TearDown() override { TStyleManager::Reset(); }
    // A heading with the menu button, loaded under the active style.
    TJovMenuButton& Load() {
        w.Window.BeginLoading();
        TJovMenuButton& b = w.Window.AddChild<TJovMenuButton>();
        b.SetBounds(6, 8, 26, 26);
        b.SetDropDownMenu(&menu);
        w.Window.EndLoading();
        return b;
    }
    TTestWindow w;
    TJovPopupMenu menu;
};

TEST_F(ControlsMenuButton, UnderLightTheBarsTakeTheButtonTextColoursOnMagenta) {
    TStyleManager::SetActiveStyle("Light");
    const TJovMenuButton& b = Load();
    const TColor normal = TStyleManager::GetStyleFontColor(TStyleFont::sfButtonTextNormal);
    const TColor pressed = TStyleManager::GetStyleFontColor(TStyleFont::sfButtonTextPressed);
    const TBitmap expected = Menu16Bitmap();
    ASSERT_EQ(b.Glyphs().Count(), 2);
    for (int32_t index = 0; index < 2; ++index) {
        const TBitmap* glyph = b.Glyphs().Image(index)->AsBitmap();
        ASSERT_NE(glyph, nullptr);
        EXPECT_EQ(glyph->TransparentColor, RGB(255, 0, 255));
        for (int32_t y = 0; y < 16; ++y)
            for (int32_t x = 0; x < 16; ++x) {
                const bool bar = expected.GetPixel(x, y) == RGB(0, 0, 0);
                ASSERT_EQ(glyph->GetPixel(x, y), bar ? (index == 0 ? normal : pressed) : RGB(255, 0, 255))
                    << index << " at " << x << "," << y;
            }
    }
}

TEST_F(ControlsMenuButton, ShowsThePressedGlyphFromPressToReleaseThenOpensItsMenu) {
    TStyleManager::SetActiveStyle("Carbon");
    TJovMenuButton& b = Load();
    EXPECT_EQ(b.Width(), 26);
    EXPECT_EQ(b.ImageIndex(), 0);
    std::vector<int32_t> seen;
    w.Backend.ChooseMenuItem = [&](TMenuItem&) {
        seen.push_back(b.ImageIndex());
        return nullptr;
    };
    w.Press({10, 10});
    EXPECT_EQ(b.ImageIndex(), 1);
    TRecordingCanvas canvas;
    w.Window.HandlePaint(canvas);
    const TImage* drawn = nullptr;
    for (const TCanvasCall& c : canvas.Calls)
        if (c.Op == TCanvasCall::TOp::DrawImage) drawn = c.Image;
    EXPECT_EQ(drawn, b.Glyphs().Image(1));
    w.Release({10, 10});
    EXPECT_EQ(b.ImageIndex(), 0);
    EXPECT_EQ(seen, (std::vector<int32_t>{0}));  // released before the menu opened
    EXPECT_EQ(w.Backend.MenuPoints.at(0), (TPoint{1006, 534}));

    // A press that ends by losing the mouse (another window took it) leaves no pressed glyph.
    w.Press({10, 10});
    w.Window.HandleCaptureLost();
    EXPECT_EQ(b.ImageIndex(), 0);
}

TEST_F(ControlsMenuButton, HasNoGlyphsWithoutACustomStyle) {
    w.Resources.Bitmaps.clear();  // not even read
    const TJovMenuButton& b = Load();
    EXPECT_EQ(b.Glyphs().Count(), 0);
    EXPECT_EQ(b.ImageIndex(), 0);
}

}  // namespace
}  // namespace kandrel::testing
