// The root window's event routing, painting order, timers and the loading phase.
#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "ControlsTestSupport.h"
#include "ui/PopupMenu.h"
#include "ui/RecordingCanvas.h"
#include "ui/Timer.h"

namespace kandrel::testing {
namespace {

using namespace kandrel::ui;

// A control that logs what reaches it.
class TProbe : public TControl {
public:
    TProbe(std::vector<std::string>& Log, std::string Id) : FLog(Log), FId(std::move(Id)) {}
    void Paint(ICanvas& Canvas) override {
        FLog.push_back("paint " + FId);
        Canvas.FillRect(ClientRect(), 0x123456);
    }

protected:
    void MouseDown(TMouseButton, TShiftState Shift, int32_t X, int32_t Y) override {
        FLog.push_back(FId + " down " + std::to_string(X) + "," + std::to_string(Y) + " shift " + std::to_string(Shift));
    }
    void MouseMove(TShiftState, int32_t X, int32_t Y) override {
        FLog.push_back(FId + " move " + std::to_string(X) + "," + std::to_string(Y));
    }
    void MouseUp(TMouseButton, TShiftState Shift, int32_t X, int32_t Y) override {
        FLog.push_back(FId + " up " + std::to_string(X) + "," + std::to_string(Y) + " shift " + std::to_string(Shift));
    }
    void MouseEnter() override { FLog.push_back(FId + " enter"); }
    void MouseLeave() override { FLog.push_back(FId + " leave"); }
    void Loaded() override {
        TControl::Loaded();
        FLog.push_back(FId + " loaded");
    }

public:
    void Click() override { FLog.push_back(FId + " click"); }

private:
    std::vector<std::string>& FLog;
    std::string FId;
};

class UiWindowRouting : public ::testing::Test {
protected:
    UiWindowRouting() {
        panel.SetBounds(10, 10, 200, 100);
        panel.SetParent(&w.Window);
        a.SetBounds(0, 0, 50, 50);
        a.SetParent(&panel);
        b.SetBounds(100, 0, 50, 50);
        b.SetParent(&panel);
    }
    std::vector<std::string> log;
    TTestWindow w;
    TProbe panel{log, "panel"};
    TProbe a{log, "a"};
    TProbe b{log, "b"};
};

TEST_F(UiWindowRouting, CaptureKeepsTheMouseOnThePressedControlUntilAllButtonsAreUp) {
    w.Press({20, 20});  // a at (10, 10)
    EXPECT_TRUE(w.Backend.Captured);
    log.clear();
    w.Move({120, 20}, ssLeft);   // over b
    w.Move({500, -40}, ssLeft);  // outside the window
    w.Press({500, -40}, TMouseButton::mbRight, ssLeft);
    w.Release({500, -40}, TMouseButton::mbRight, ssLeft);
    EXPECT_TRUE(w.Backend.Captured);  // left still held
    w.Release({120, 20});
    EXPECT_FALSE(w.Backend.Captured);
    const std::vector<std::string> expected = {
        "a leave", "b enter", "a move 110,10", "b leave", "a move 490,-50", "a down 490,-50 shift 24",
        "a up 490,-50 shift 8", "b enter", "a up 110,10 shift 0"};
    EXPECT_EQ(log, expected);  // no click: released outside a
}

TEST_F(UiWindowRouting, ClickFollowsLeftReleaseInsideThePressedControlOnly) {
    w.Press({20, 20});
    w.Release({25, 25});
    w.Press({20, 20});
    w.Release({120, 20});  // over b: no click for either
    w.Press({120, 20}, TMouseButton::mbRight);
    w.Release({120, 20}, TMouseButton::mbRight);
    int clicks = 0;
    for (const std::string& line : log) clicks += line.find("click") != std::string::npos;
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(log[2], "a up 15,15 shift 0");
    EXPECT_EQ(log[3], "a click");  // after MouseUp
}

TEST_F(UiWindowRouting, EnterAndLeaveFollowThePointerAcrossNestedControls) {
    w.Move({20, 20});
    w.Move({90, 20});   // panel between a and b
    w.Move({120, 20});  // b
    w.Window.HandleMouseLeave();
    std::vector<std::string> hover;
    for (const std::string& line : log)
        if (line.find("enter") != std::string::npos || line.find("leave") != std::string::npos) hover.push_back(line);
    const std::vector<std::string> expected = {"a enter", "a leave", "panel enter", "panel leave", "b enter", "b leave"};
    EXPECT_EQ(hover, expected);
    EXPECT_EQ(w.Window.HoveredControl(), nullptr);
}

TEST_F(UiWindowRouting, HiddenAndDisabledControlsAreNotHitTheirParentIs) {
    a.SetVisible(false);
    EXPECT_EQ(w.Window.ControlAt({20, 20}), &panel);
    a.SetVisible(true);
    a.SetEnabled(false);
    EXPECT_EQ(w.Window.ControlAt({20, 20}), &panel);
    EXPECT_EQ(w.Window.ControlAt({120, 20}), &b);
    EXPECT_EQ(w.Window.ControlAt({300, 200}), &w.Window);
    EXPECT_EQ(w.Window.ControlAt({-1, 0}), nullptr);
}

TEST_F(UiWindowRouting, WheelGoesToTheFocusedControlAndUpItsParentsUntilHandled) {
    std::vector<std::string> wheel;
    a.OnMouseWheel = [&](TControl&, TShiftState, int32_t Delta, TPoint P, bool&) {
        wheel.push_back("a " + std::to_string(Delta) + " at " + std::to_string(P.X));
    };
    panel.OnMouseWheelUp = [&](TControl&, TShiftState, TPoint, bool& Handled) {
        wheel.push_back("panel up");
        Handled = true;
    };
    a.SetFocus();
    EXPECT_EQ(w.Backend.FocusRequests, 1);
    EXPECT_TRUE(w.Window.HandleMouseWheel(0, 120, {120, 20}));  // pointer over b: the focus decides
    EXPECT_FALSE(w.Window.HandleMouseWheel(0, -120, {120, 20}));
    const std::vector<std::string> expected = {"a 120 at 110", "panel up", "a -120 at 110"};
    EXPECT_EQ(wheel, expected);
}

TEST_F(UiWindowRouting, RightReleaseShowsTheNearestContextMenuAndRunsTheChosenItem) {
    TPopupMenu menu;
    std::vector<std::string> events;
    menu.OnPopup = [&](TPopupMenu&) { events.push_back("popup"); };
    auto& item = menu.Items.Add(std::make_unique<TMenuItem>("Item", 7));
    item.OnClick = [&](TMenuItem& Sender) { events.push_back("click " + std::to_string(Sender.Tag)); };
    panel.PopupMenu = &menu;
    w.Backend.ChooseMenuItem = [&](TMenuItem& Root) {
        events.push_back("track");
        return &Root.Items(0);
    };
    w.Press({20, 20}, TMouseButton::mbRight);
    w.Release({22, 24}, TMouseButton::mbRight);
    EXPECT_EQ(events, (std::vector<std::string>{"popup", "track", "click 7"}));
    ASSERT_EQ(w.Backend.MenuPoints.size(), 1u);
    EXPECT_EQ(w.Backend.MenuPoints[0], (TPoint{1022, 524}));
    EXPECT_EQ(menu.PopupComponent, &panel);

    item.Enabled = false;  // a disabled choice runs nothing
    events.clear();
    w.Press({20, 20}, TMouseButton::mbRight);
    w.Release({20, 20}, TMouseButton::mbRight);
    EXPECT_EQ(events, (std::vector<std::string>{"popup", "track"}));
}

TEST_F(UiWindowRouting, AControlRemovedDuringItsPressLeavesNoStaleState) {
    auto doomed = std::make_unique<TProbe>(log, "doomed");
    doomed->SetBounds(0, 60, 40, 30);
    doomed->SetParent(&panel);
    doomed->SetFocus();
    doomed->OnMouseDown = nullptr;
    TProbe* raw = doomed.get();
    w.Move({15, 75});
    EXPECT_EQ(w.Window.HoveredControl(), raw);
    w.Press({15, 75});
    EXPECT_EQ(w.Window.CaptureControl(), raw);
    doomed.reset();
    EXPECT_EQ(w.Window.CaptureControl(), nullptr);
    EXPECT_EQ(w.Window.FocusedControl(), nullptr);
    EXPECT_EQ(w.Window.HoveredControl(), nullptr);
    w.Move({16, 76}, ssLeft);
    w.Release({16, 76});  // reaches the panel now; nothing dangles, the capture ends
    EXPECT_FALSE(w.Backend.Captured);
    EXPECT_EQ(log.back(), "panel up 6,66 shift 0");
}

TEST_F(UiWindowRouting, ExceptionsFromHandlersStopAtTheWindow) {
    b.OnMouseWheel = [](TControl&, TShiftState, int32_t, TPoint, bool&) { throw std::runtime_error("boom"); };
    std::string caught;
    w.Window.OnException = [&](std::exception_ptr E) {
        try {
            std::rethrow_exception(E);
        } catch (const std::exception& X) {
            caught = X.what();
        }
    };
    EXPECT_NO_THROW(w.Window.HandleMouseWheel(0, 120, {120, 20}));
    EXPECT_EQ(caught, "boom");
}

TEST(UiWindowPaint, ParentsPaintFirstAndChildrenAreTranslatedAndClipped) {
    std::vector<std::string> log;
    TTestWindow w;
    TProbe panel(log, "panel"), inner(log, "inner"), far(log, "far");
    panel.SetBounds(10, 10, 100, 50);
    panel.SetParent(&w.Window);
    inner.SetBounds(5, 5, 200, 20);  // wider than the panel
    inner.SetParent(&panel);
    far.SetBounds(300, 200, 20, 20);
    far.SetParent(&w.Window);

    TRecordingCanvas canvas({0, 0, 150, 100});  // a partial repaint: far lies outside
    w.Window.HandlePaint(canvas);
    EXPECT_EQ(log, (std::vector<std::string>{"paint panel", "paint inner"}));
    ASSERT_EQ(canvas.Calls.size(), 2u);
    EXPECT_EQ(canvas.Calls[0].Rect, (TRect{10, 10, 110, 60}));
    EXPECT_EQ(canvas.Calls[1].Rect, (TRect{15, 15, 215, 35}));
    EXPECT_EQ(canvas.Calls[1].Clip, (TRect{15, 15, 110, 35}));  // cut at the panel's edge
    EXPECT_EQ(canvas.Offset(), (TPoint{0, 0}));                  // state restored

    w.Backend.Invalidated.clear();
    inner.Invalidate();
    ASSERT_EQ(w.Backend.Invalidated.size(), 1u);
    EXPECT_EQ(w.Backend.Invalidated[0], (TRect{15, 15, 215, 35}));
    panel.SetVisible(false);
    w.Backend.Invalidated.clear();
    inner.Invalidate();  // not showing
    EXPECT_TRUE(w.Backend.Invalidated.empty());
}

TEST(UiWindowPaint, AControlThatCannotPaintLeavesTheOthersPainted) {
    class TBroken : public TControl {
    public:
        void Paint(ICanvas& Canvas) override {
            Canvas.Translate(3, 3);  // left over by the failure: must not shift the next control
            throw std::runtime_error("damaged image");
        }
    };
    std::vector<std::string> log;
    TTestWindow w;
    TBroken broken;
    TProbe inside(log, "inside"), after(log, "after");
    broken.SetBounds(0, 0, 50, 50);
    broken.SetParent(&w.Window);
    inside.SetBounds(1, 1, 10, 10);
    inside.SetParent(&broken);
    after.SetBounds(60, 0, 20, 20);
    after.SetParent(&w.Window);
    std::vector<std::string> errors;
    w.Window.OnException = [&](std::exception_ptr E) {
        try {
            std::rethrow_exception(E);
        } catch (const std::exception& X) {
            errors.push_back(X.what());
        }
    };

    TRecordingCanvas canvas({0, 0, 100, 100});
    w.Window.HandlePaint(canvas);
    EXPECT_EQ(log, (std::vector<std::string>{"paint inside", "paint after"}));
    EXPECT_EQ(errors, std::vector<std::string>{"damaged image"});
    ASSERT_EQ(canvas.Calls.size(), 2u);
    EXPECT_EQ(canvas.Calls[1].Rect, (TRect{60, 0, 80, 20}));
}

TEST(UiTimer, RunsThroughTheBackendWhileEnabled) {
    TTestWindow w;
    int fired = 0;
    auto timer = std::make_unique<TTimer>(w.Window);
    timer->OnTimer = [&](TTimer&) { ++fired; };
    timer->SetEnabled(false);
    timer->SetInterval(3000);
    const uint32_t id = timer->Id();
    EXPECT_TRUE(w.Backend.Timers.empty());
    w.Window.HandleTimer(id);
    EXPECT_EQ(fired, 0);

    timer->SetEnabled(true);
    EXPECT_EQ(w.Backend.Timers.at(id), 3000u);
    w.Window.HandleTimer(id);
    EXPECT_EQ(fired, 1);

    w.Window.SetBackend(nullptr);  // detaching and attaching again restarts it
    TFakeBackend other;
    w.Window.SetBackend(&other);
    EXPECT_EQ(other.Timers.at(id), 3000u);
    timer.reset();
    EXPECT_TRUE(other.Timers.empty());
    w.Window.SetBackend(&w.Backend);
}

TEST(UiLoading, LoadedRunsOnceParentFirstAndEndsTheLoadingPhase) {
    std::vector<std::string> log;
    TWindow window;
    TProbe outer(log, "outer"), early(log, "early"), late(log, "late"), runtime(log, "runtime");
    outer.SetParent(&window);
    early.SetParent(&outer);
    window.BeginLoading();
    late.SetParent(&outer);  // joins while loading
    EXPECT_TRUE(late.IsLoading());
    window.EndLoading();
    EXPECT_EQ(log, (std::vector<std::string>{"outer loaded", "early loaded", "late loaded"}));
    EXPECT_FALSE(late.IsLoading());
    runtime.SetParent(&outer);  // created afterwards: never loading
    EXPECT_FALSE(runtime.IsLoading());
    window.EndLoading();
    EXPECT_EQ(log.size(), 3u);
}

}  // namespace
}  // namespace kandrel::testing
