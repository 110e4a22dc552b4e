// The editor's dial: frames, clamping, drag and wheel steps, the press hook
// and the focus that follows the pointer.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "ControlsTestSupport.h"
#include "controls/JovGuiPanel.h"
#include "controls/JovGuiStitchedDial.h"
#include "ui/PngImage.h"
#include "ui/RecordingCanvas.h"

namespace kandrel::testing {
namespace {

using namespace kandrel::ui;
using controls::TJovGuiPanel;
using controls::TJovGuiStitchedDial;

// A band panel with a Scale dial (-100..100) and a Random dial (0..200), as
// the main editor sets them up, on 101-frame strips.
class ControlsDial : public ::testing::Test {
protected:
    ControlsDial() {
        strips.Add("Dial100", std::make_shared<TPngImage>(PngHeaderBytes(48, 4848)), 101);
        band.SetBounds(10, 10, 120, 242);
        band.SetParent(&w.Window);
        for (TJovGuiStitchedDial* d : {&scale, &random}) {
            d->SetParent(&band);
            d->SetImageList(&strips);
            d->SetImageIndex(0);
            d->SetScrollRange(600);
            d->SetWheelStep(0.2f);
            d->SetTransparent(true);
            d->OnChange = [this](TControl& S) { events.push_back(S.Name + " change"); };
            d->OnMouseDown = [this](TControl& S, TMouseButton, TShiftState, int32_t, int32_t) {
                events.push_back(S.Name + " down");
            };
        }
        scale.Name = "scale";
        scale.SetBounds(9, 187, 48, 48);
        scale.SetMin(-100);
        scale.SetMax(100);
        random.Name = "random";
        random.SetBounds(63, 187, 48, 48);
        random.SetMax(200);
    }
    // Centres of the dials in window coordinates.
    static constexpr TPoint kScaleAt{10 + 9 + 24, 10 + 187 + 24};
    static constexpr TPoint kRandomAt{10 + 63 + 24, 10 + 187 + 24};

    TTestWindow w;
    TGuiStitchedPNGList strips;
    TJovGuiPanel band;
    TJovGuiStitchedDial scale, random;
    std::vector<std::string> events;
};

TEST_F(ControlsDial, ShowsTheNormalisedValueAsAFrameRoundedHalfToEven) {
    struct Case {
        TJovGuiStitchedDial* dial;
        float value;
        int32_t frame;
    };
    const Case cases[] = {{&scale, 0, 50},    {&scale, -100, 0},  {&scale, 100, 100}, {&scale, 1, 50},
                          {&scale, 3, 52},    {&scale, -1, 50},   {&random, 1, 0},    {&random, 3, 2},
                          {&random, 5, 2},    {&random, 7, 4},    {&random, 200, 100}, {&random, 0.9f, 0}};
    for (const Case& c : cases) {
        c.dial->SetValue(c.value);
        EXPECT_EQ(c.dial->ShownGlyph(), c.frame) << c.dial->Name << " at " << c.value;
    }
    random.SetValue(5);
    TRecordingCanvas canvas;
    w.Window.HandlePaint(canvas);
    ASSERT_FALSE(canvas.Calls.empty());
    const TCanvasCall& last = canvas.Calls.back();  // the random dial, painted after the band and the scale dial
    EXPECT_EQ(last.Op, TCanvasCall::TOp::DrawImage);
    EXPECT_EQ(last.Source, (TRect{0, 96, 48, 144}));
    EXPECT_EQ(last.Rect, (TRect{73, 197, 121, 245}));

    random.SetImageList(nullptr);
    EXPECT_EQ(random.ShownGlyph(), -1);
}

TEST_F(ControlsDial, ClampsValuesAndReportsOnlyRealChangesOutsideLoading) {
    scale.SetValue(150);
    scale.SetValue(100);
    scale.SetValue(-250);
    EXPECT_EQ(scale.Value(), -100);
    EXPECT_EQ(events, (std::vector<std::string>{"scale change", "scale change"}));
    scale.SetDefaultValue(500);
    EXPECT_EQ(scale.DefaultValue(), 100);
    EXPECT_THROW(scale.SetMax(-200), std::invalid_argument);
    EXPECT_THROW(scale.SetMin(200), std::invalid_argument);

    events.clear();
    w.Window.BeginLoading();
    scale.SetValue(20);
    w.Window.EndLoading();
    EXPECT_EQ(scale.Value(), 20);
    EXPECT_TRUE(events.empty());

    // A layout may give the value before the range that admits it.
    w.Window.BeginLoading();
    scale.SetValue(150);
    scale.SetDefaultValue(150);
    scale.SetMax(200);
    w.Window.EndLoading();
    EXPECT_EQ(scale.Value(), 150);
    EXPECT_EQ(scale.DefaultValue(), 150);
}

TEST_F(ControlsDial, DragFollowsVerticalMovesScaledByScrollRangeAndShiftMakesItFiner) {
    w.Press(kScaleAt);
    EXPECT_TRUE(scale.Focused());
    w.Move({kScaleAt.X, kScaleAt.Y - 6}, ssLeft);  // up 6 of 600 pixels for 200 units
    EXPECT_FLOAT_EQ(scale.Value(), 2.0f);
    w.Move({kScaleAt.X, kScaleAt.Y - 12}, ssLeft | ssShift);
    EXPECT_FLOAT_EQ(scale.Value(), 2.2f);
    w.Move({kScaleAt.X + 300, kScaleAt.Y + 288}, ssLeft);  // far outside the dial: still dragging
    EXPECT_FLOAT_EQ(scale.Value(), -97.8f);
    w.Move({kScaleAt.X, kScaleAt.Y + 600}, ssLeft);  // stops at the end
    EXPECT_EQ(scale.Value(), -100);
    w.Release({kScaleAt.X, kScaleAt.Y + 600});
    w.Move({kScaleAt.X, kScaleAt.Y - 100}, 0);
    EXPECT_EQ(scale.Value(), -100);
}

TEST_F(ControlsDial, WheelStepsAPercentOfTheRangePerNotchAndShiftMakesItFiner) {
    w.Move(kRandomAt);  // hovering gives the focus
    w.Wheel(kRandomAt, 120);
    EXPECT_FLOAT_EQ(random.Value(), 0.4f);  // 0.2 % of 200
    w.Wheel(kRandomAt, 120, ssShift);
    EXPECT_FLOAT_EQ(random.Value(), 0.44f);
    w.Wheel(kRandomAt, 3 * 120);
    EXPECT_FLOAT_EQ(random.Value(), 1.64f);
    w.Wheel(kRandomAt, -60);
    EXPECT_FLOAT_EQ(random.Value(), 1.44f);
    EXPECT_EQ(scale.Value(), 0);
}

TEST_F(ControlsDial, CtrlRightPressResetsToTheDefaultBeforeOnMouseDown) {
    scale.SetDefaultValue(10);
    scale.SetValue(-40);
    events.clear();
    w.Press(kScaleAt, TMouseButton::mbRight, ssCtrl);
    EXPECT_EQ(scale.Value(), 10);
    w.Release(kScaleAt, TMouseButton::mbRight, ssCtrl);
    w.Press(kScaleAt, TMouseButton::mbRight);  // without Ctrl: nothing but the event
    w.Release(kScaleAt, TMouseButton::mbRight);
    EXPECT_EQ(events, (std::vector<std::string>{"scale change", "scale down", "scale down"}));
}

TEST_F(ControlsDial, AVetoedPressHasNoEffectAtAll) {
    std::vector<std::string> hook;
    scale.OnBeforeMouseDown = [&](TControl& Sender, TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y,
                                  bool& Continue) {
        hook.push_back(Sender.Name + " " + std::to_string(static_cast<int>(Button)) + " " + std::to_string(Shift) +
                       " " + std::to_string(X) + "," + std::to_string(Y));
        Continue = false;
    };
    w.Move(kScaleAt);  // hovering focuses the dial; take the focus away again
    random.SetFocus();
    scale.SetValue(-40);
    events.clear();
    w.Press(kScaleAt);
    EXPECT_TRUE(random.Focused());
    w.Move({kScaleAt.X, kScaleAt.Y - 30}, ssLeft);
    w.Release({kScaleAt.X, kScaleAt.Y - 30});
    w.Press(kScaleAt, TMouseButton::mbRight, ssCtrl);
    w.Release(kScaleAt, TMouseButton::mbRight, ssCtrl);
    EXPECT_EQ(scale.Value(), -40);
    EXPECT_TRUE(events.empty());
    EXPECT_EQ(hook, (std::vector<std::string>{"scale 0 8 24,24", "scale 1 20 24,24"}));

    scale.OnBeforeMouseDown = [](TControl&, TMouseButton, TShiftState, int32_t, int32_t, bool&) {};
    w.Press(kScaleAt, TMouseButton::mbRight, ssCtrl);  // a hook that lets it through changes nothing
    w.Release(kScaleAt, TMouseButton::mbRight, ssCtrl);
    EXPECT_EQ(scale.Value(), 0);
}

TEST_F(ControlsDial, FocusFollowsThePointerSoTheWheelTurnsTheHoveredDial) {
    random.SetFocus();
    w.Move(kScaleAt);
    EXPECT_TRUE(scale.Focused());
    w.Wheel(kScaleAt, 120);
    EXPECT_FLOAT_EQ(scale.Value(), 0.4f);
    EXPECT_EQ(random.Value(), 0);

    w.Move({kScaleAt.X, kScaleAt.Y - 40});  // onto the band panel
    EXPECT_TRUE(band.Focused());
    w.Wheel({kScaleAt.X, kScaleAt.Y - 40}, 120);
    EXPECT_FLOAT_EQ(scale.Value(), 0.4f);

    std::vector<std::string> hover;
    scale.OnMouseEnter = [&](TControl&) { hover.push_back(scale.Focused() ? "enter focused" : "enter"); };
    scale.OnMouseLeave = [&](TControl&) { hover.push_back(band.Focused() ? "leave band focused" : "leave"); };
    w.Move(kScaleAt);
    w.Move(kRandomAt);
    EXPECT_EQ(hover, (std::vector<std::string>{"enter focused", "leave band focused"}));
    EXPECT_TRUE(random.Focused());
}

}  // namespace
}  // namespace kandrel::testing
