// Window messages reach the controls through the Win32 backend: clicks on a
// switch, a drag and a wheel turn on a dial, double clicks and modifier keys.
#include <gtest/gtest.h>

#include <memory>

#include "controls/JovGuiStitchedDial.h"
#include "controls/JovGuiStitchedSwitch.h"
#include "host/win32/HostFrame.h"
#include "host/win32/WindowCapture.h"
#include "tests/gui/GuiTestSupport.h"
#include "ui/GuiStitchedPNGList.h"
#include "ui/PngImage.h"
#include "ui/Window.h"
#include "ui/win32/ModuleResources.h"
#include "ui/win32/NativeWindow.h"

namespace kandrel::test {
namespace {

using namespace std::chrono_literals;

LPARAM At(int X, int Y) { return MAKELPARAM(X, Y); }

struct TPress {
    ui::TMouseButton Button;
    ui::TShiftState Shift;
};

class ControlInput : public ::testing::Test {
protected:
    ControlInput() : Frame(L"controls") {
        ui::IResourceProvider& resources = ui::win32::PluginResources();
        Strips.Add("Dial100", ui::TPngImage::FromResource(resources, "Dial100"), 101);
        Strips.Add("Switch", ui::TPngImage::FromResource(resources, "Switch"), 2);
        Window.SetResources(&resources);
        Window.SetClientSize({200, 100});

        Switch.SetParent(&Window);
        Switch.SetBounds(10, 10, 24, 24);
        Switch.SetImageList(&Strips);
        Switch.SetImageIndex(1);
        Switch.SetTransparent(true);
        Switch.OnChange = [this](ui::TControl&) { ++SwitchChanges; };
        Switch.OnMouseDown = [this](ui::TControl&, ui::TMouseButton Button, ui::TShiftState Shift, int32_t,
                                    int32_t) { Presses.push_back({Button, Shift}); };
        Switch.OnClick = [this](ui::TControl&) { ++SwitchClicks; };

        Dial.SetParent(&Window);
        Dial.SetBounds(60, 10, 48, 48);
        Dial.SetImageList(&Strips);
        Dial.SetImageIndex(0);
        Dial.SetMax(200.0f);
        Dial.OnChange = [this](ui::TControl&) { ++DialChanges; };

        Native = ui::win32::CreateChildWindow(Window, Frame.Hwnd());
        Frame.SetClientSize(200, 100);
        Frame.Show();
        Hwnd = static_cast<HWND>(Native->Handle());
        Pump(20ms);
    }
    ~ControlInput() override {
        Native.reset();
        Switch.SetParent(nullptr);
        Dial.SetParent(nullptr);
    }

    void Send(UINT Message, WPARAM WParam, LPARAM LParam) { SendMessageW(Hwnd, Message, WParam, LParam); }

    host::THostFrame Frame;
    ui::TGuiStitchedPNGList Strips;
    ui::TWindow Window;
    controls::TJovGuiStitchedSwitch Switch;
    controls::TJovGuiStitchedDial Dial;
    std::unique_ptr<ui::win32::INativeWindow> Native;
    HWND Hwnd = nullptr;
    int SwitchChanges = 0;
    int SwitchClicks = 0;
    int DialChanges = 0;
    std::vector<TPress> Presses;
};

TEST_F(ControlInput, AClickTogglesTheSwitchFiresItsEventsAndRepaintsIt) {
    UpdateWindow(Hwnd);
    const host::TCapture off = host::CaptureClientArea(Hwnd);
    Send(WM_LBUTTONDOWN, MK_LBUTTON, At(22, 22));
    Send(WM_LBUTTONUP, 0, At(22, 22));
    EXPECT_TRUE(Switch.Value());
    EXPECT_EQ(SwitchChanges, 1);
    EXPECT_EQ(SwitchClicks, 1);
    ASSERT_EQ(Presses.size(), 1u);
    EXPECT_EQ(Presses[0].Button, ui::TMouseButton::mbLeft);
    EXPECT_EQ(Presses[0].Shift & (ui::ssLeft | ui::ssDouble | ui::ssCtrl), ui::ssLeft);

    UpdateWindow(Hwnd);
    const host::TCapture on = host::CaptureClientArea(Hwnd);
    int32_t changedInside = 0;
    int32_t changedOutside = 0;
    for (int32_t y = 0; y < on.Height; ++y)
        for (int32_t x = 0; x < on.Width; ++x)
            if (on.At(x, y) != off.At(x, y)) ++(x >= 10 && x < 34 && y >= 10 && y < 34 ? changedInside : changedOutside);
    EXPECT_GT(changedInside, 0);
    EXPECT_EQ(changedOutside, 0);

    // The right button toggles back; its release raises no menu of the host.
    Send(WM_RBUTTONDOWN, MK_RBUTTON | MK_CONTROL, At(15, 15));
    Send(WM_RBUTTONUP, MK_CONTROL, At(15, 15));
    EXPECT_FALSE(Switch.Value());
    ASSERT_EQ(Presses.size(), 2u);
    EXPECT_EQ(Presses[1].Button, ui::TMouseButton::mbRight);
    EXPECT_EQ(Presses[1].Shift & (ui::ssRight | ui::ssCtrl), ui::ssRight | ui::ssCtrl);

    // A double click's second press carries the double-click mark.
    Send(WM_LBUTTONDOWN, MK_LBUTTON, At(20, 20));
    Send(WM_LBUTTONUP, 0, At(20, 20));
    Send(WM_LBUTTONDBLCLK, MK_LBUTTON | MK_SHIFT, At(20, 20));
    Send(WM_LBUTTONUP, 0, At(20, 20));
    ASSERT_EQ(Presses.size(), 4u);
    EXPECT_EQ(Presses[3].Shift & (ui::ssDouble | ui::ssShift | ui::ssLeft), ui::ssDouble | ui::ssShift | ui::ssLeft);
    EXPECT_EQ(SwitchChanges, 4);
}

TEST_F(ControlInput, ADragTurnsTheDialUnderCaptureAndTheWheelTurnsItFurther) {
    Send(WM_LBUTTONDOWN, MK_LBUTTON, At(84, 40));
    EXPECT_EQ(GetCapture(), Hwnd) << "the press captures the mouse";
    EXPECT_TRUE(Dial.Focused());
    // 30 pixels up, the last 20 of them above the window: the capture keeps the moves coming.
    Send(WM_MOUSEMOVE, MK_LBUTTON, At(84, 30));
    Send(WM_MOUSEMOVE, MK_LBUTTON, At(84, -10));
    Send(WM_LBUTTONUP, 0, At(84, -10));
    EXPECT_NE(GetCapture(), Hwnd);
    // The default scroll range turns the whole range over 400 pixels.
    EXPECT_NEAR(Dial.Value(), 50 * 200.0f / 400.0f, 0.01f);
    EXPECT_GE(DialChanges, 1);

    // Leaving the dial gave the focus to its parent; coming back takes it
    // again, so the wheel acts on the dial under the pointer.
    EXPECT_FALSE(Dial.Focused());
    Send(WM_MOUSEMOVE, 0, At(84, 34));
    EXPECT_TRUE(Dial.Focused());
    // The wheel's point comes in screen coordinates.
    POINT screen{84, 34};
    ClientToScreen(Hwnd, &screen);
    const float before = Dial.Value();
    Send(WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), MAKELPARAM(screen.x, screen.y));
    EXPECT_NEAR(Dial.Value() - before, Dial.WheelStep() / 100.0f * 200.0f, 0.01f);
}

}  // namespace
}  // namespace kandrel::test
