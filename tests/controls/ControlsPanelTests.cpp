// The editor's panel: its defaults, the skin colours taken at Loaded, and
// what it paints.
#include <gtest/gtest.h>

#include <string>

#include "ControlsTestSupport.h"
#include "controls/JovGuiPanel.h"
#include "ui/RecordingCanvas.h"
#include "ui/StyleManager.h"

namespace kandrel::testing {
namespace {

using namespace kandrel::ui;
using controls::TJovGuiPanel;

constexpr TColor kSilver = RGB(192, 192, 192);
constexpr TColor kWhite = RGB(255, 255, 255);

// A scheme named Name whose every colour differs from every other, so that a
// wrong entry cannot go unnoticed.
TStyleScheme DistinctScheme(const std::string& Name, uint8_t Seed) {
    TStyleScheme s;
    s.Name = Name;
    for (size_t i = 0; i < s.Colors.size(); ++i) s.Colors[i] = RGB(Seed, 1, static_cast<uint8_t>(i));
    for (size_t i = 0; i < s.FontColors.size(); ++i) s.FontColors[i] = RGB(Seed, 2, static_cast<uint8_t>(i));
    for (size_t i = 0; i < s.SystemColors.size(); ++i) s.SystemColors[i] = RGB(Seed, 3, static_cast<uint8_t>(i));
    return s;
}

TColor Entry(const std::string& Name, TStyleColor C) {
    return RGB(Name == "Light" ? 10 : Name == "light" ? 20 : 30, 1, static_cast<uint8_t>(C));
}

class ControlsPanel : public ::testing::Test {
protected:
    void SetUp() override {
        TStyleManager::Reset();
        TStyleManager::RegisterStyle(DistinctScheme("Light", 10));
        TStyleManager::RegisterStyle(DistinctScheme("light", 20));
        TStyleManager::RegisterStyle(DistinctScheme("Carbon", 30));
    }
    void TearDown() override { TStyleManager::Reset(); }
};

TEST_F(ControlsPanel, StartsWhiteRoundedAndTransparent) {
    const TJovGuiPanel panel;
    EXPECT_EQ(panel.PanelColor(), kWhite);
    EXPECT_EQ(panel.BorderColor(), kWhite);
    EXPECT_EQ(panel.BorderRadius(), 10.0f);
    EXPECT_EQ(panel.BorderWidth(), 1.0f);
    EXPECT_TRUE(panel.Transparent());
    EXPECT_EQ(panel.Alpha(), 255);
    EXPECT_TRUE(panel.BorderVisible());
    EXPECT_FALSE(panel.Native());
    EXPECT_FALSE(panel.PanelGroupColor);
    EXPECT_TRUE(panel.UseStyles);
}

TEST_F(ControlsPanel, TakesTheActiveSkinsColoursWhenLoaded) {
    struct Case {
        const char* style;  // "" for none activated
        bool group;
        bool useStyles;
        TColor fill;
        TColor border;
    };
    using C = TStyleColor;
    const Case cases[] = {
        {"", true, true, kSilver, kWhite},
        {"Carbon", false, false, kSilver, kWhite},
        {"Carbon", false, true, Entry("Carbon", C::scPanel), Entry("Carbon", C::scHintGradientBase)},
        {"Carbon", true, true, Entry("Carbon", C::scCategoryPanelGroup), Entry("Carbon", C::scHintGradientBase)},
        {"Light", true, true, Entry("Light", C::scGenericBackground), Entry("Light", C::scBorder)},
        {"Light", false, true, Entry("Light", C::scPanel), Entry("Light", C::scBorder)},
        {"light", true, true, Entry("light", C::scCategoryPanelGroup), Entry("light", C::scHintGradientBase)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.style) + (c.group ? " group" : "") + (c.useStyles ? "" : " no styles"));
        SetUp();  // none active again
        if (*c.style != '\0') TStyleManager::SetActiveStyle(c.style);
        TWindow window;
        window.BeginLoading();
        TJovGuiPanel& panel = window.AddChild<TJovGuiPanel>();
        panel.SetPanelColor(kSilver);  // the layout's colours
        panel.SetBorderColor(kWhite);
        panel.PanelGroupColor = c.group;
        panel.UseStyles = c.useStyles;
        window.EndLoading();
        EXPECT_EQ(panel.PanelColor(), c.fill);
        EXPECT_EQ(panel.BorderColor(), c.border);
    }
}

TEST_F(ControlsPanel, KeepsItsColoursWhenTheSkinChangesLater) {
    TWindow window;
    window.BeginLoading();
    TJovGuiPanel& panel = window.AddChild<TJovGuiPanel>();
    window.EndLoading();
    TStyleManager::SetActiveStyle("Carbon");
    EXPECT_EQ(panel.PanelColor(), kWhite);
}

TEST_F(ControlsPanel, PaintsARoundedRectangleWithItsAlphaAndColours) {
    TTestWindow w;
    TJovGuiPanel& band = w.Window.AddChild<TJovGuiPanel>();
    band.SetBounds(20, 30, 120, 242);
    band.SetAlpha(50);
    band.SetBorderRadius(3.0f);
    band.SetPanelColor(kSilver);
    band.SetBorderColor(RGB(1, 2, 3));
    TJovGuiPanel& bar = w.Window.AddChild<TJovGuiPanel>();
    bar.SetBounds(0, 0, 100, 26);
    bar.SetBorderRadius(40.0f);  // limited to half the height
    bar.SetBorderWidth(0.0f);    // at least 1
    bar.SetBorderVisible(false);
    bar.SetTransparent(false);
    bar.SetColor(RGB(9, 9, 9));

    TRecordingCanvas canvas;
    w.Window.HandlePaint(canvas);
    ASSERT_EQ(canvas.Calls.size(), 3u);
    EXPECT_EQ(canvas.Calls[0].Op, TCanvasCall::TOp::RoundRect);
    EXPECT_EQ(canvas.Calls[0].Rect, (TRect{20, 30, 140, 272}));
    EXPECT_EQ(canvas.Calls[0].Style, (TRoundRectStyle{3.0f, kSilver, 50, true, 1.0f, RGB(1, 2, 3)}));
    EXPECT_EQ(canvas.Calls[1].Op, TCanvasCall::TOp::FillRect);  // not transparent: its own colour first
    EXPECT_EQ(canvas.Calls[1].Color, RGB(9, 9, 9));
    EXPECT_EQ(canvas.Calls[2].Style, (TRoundRectStyle{13.0f, kWhite, 255, false, 1.0f, kWhite}));

    w.Backend.Invalidated.clear();
    band.SetAlpha(60);
    band.SetAlpha(60);
    EXPECT_EQ(w.Backend.Invalidated, (std::vector<TRect>{{20, 30, 140, 272}}));
}

}  // namespace
}  // namespace kandrel::testing
