// The editor as a host sees it: Kandrel.dll loaded through its entry point,
// its editor opened inside a frame window, read back as pixels.
#include <gtest/gtest.h>

#include <string>

#include "host/PluginHost.h"
#include "host/TestPaths.h"
#include "host/win32/HostFrame.h"
#include "host/win32/WindowCapture.h"
#include "tests/gui/GuiTestSupport.h"
#include "tests/support/KandrelLibrary.h"
#include "ui/StyleSchemes.h"

namespace kandrel::test {
namespace {

using namespace std::chrono_literals;

constexpr int32_t kWidth = 531;
constexpr int32_t kHeight = 396;

class EditorWindow : public ::testing::Test {
protected:
    EditorWindow() : Plugin(KandrelLibrary()), Frame(L"kandrel gui test") { Frame.Show(); }

    intptr_t GetRect(vst2::ERect*& Rect) {
        Rect = nullptr;
        return Plugin.Dispatch(vst2::effEditGetRect, 0, 0, &Rect);
    }
    void Open() {
        ASSERT_EQ(Plugin.Dispatch(vst2::effEditOpen, 0, 0, Frame.Hwnd()), 1);
        Pump(50ms);
    }
    void Close() {
        Plugin.Dispatch(vst2::effEditClose);
        Pump(20ms);
    }

    host::THostedPlugin Plugin;
    host::THostFrame Frame;
};

TEST_F(EditorWindow, OpensAsABorderlessChildWithTheTiledBackgroundAndTheTranslucentPanel) {
    vst2::ERect* rect = nullptr;
    EXPECT_EQ(GetRect(rect), 0);
    EXPECT_EQ(rect, nullptr);
    EXPECT_EQ(Plugin.Dispatch(vst2::effEditOpen, 0, 0, nullptr), 0);  // no parent, no window
    EXPECT_EQ(Frame.ChildCount(), 0);

    Open();
    ASSERT_EQ(GetRect(rect), 1);
    ASSERT_NE(rect, nullptr);
    EXPECT_EQ(rect->top, 0);
    EXPECT_EQ(rect->left, 0);
    EXPECT_EQ(rect->bottom, kHeight);
    EXPECT_EQ(rect->right, kWidth);

    ASSERT_EQ(Frame.ChildCount(), 1);
    HWND editor = Frame.FirstChild();
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(editor, GWL_STYLE));
    EXPECT_TRUE(style & WS_CHILD);
    EXPECT_TRUE(style & WS_VISIBLE);
    EXPECT_FALSE(style & (WS_BORDER | WS_CAPTION | WS_THICKFRAME));
    RECT placed{};
    GetWindowRect(editor, &placed);
    MapWindowPoints(nullptr, Frame.Hwnd(), reinterpret_cast<POINT*>(&placed), 2);
    EXPECT_EQ(placed.left, 0);
    EXPECT_EQ(placed.top, 0);

    Frame.SetClientSize(kWidth, kHeight);
    UpdateWindow(editor);
    const host::TCapture shot = host::CaptureClientArea(editor);
    ASSERT_EQ(shot.Width, kWidth);
    ASSERT_EQ(shot.Height, kHeight);

    // The panel leaves 3 pixels at the left, right and bottom and 4 at the top:
    // there the tile shows as it is, continuing from the window's corner.
    int32_t wrongMargin = 0;
    for (int32_t y = 0; y < kHeight; ++y)
        for (int32_t x = 0; x < kWidth; ++x) {
            const bool margin = x < 3 || x >= kWidth - 3 || y < 4 || y >= kHeight - 3;
            if (margin && shot.At(x, y) != TileColor(x, y)) ++wrongMargin;
        }
    EXPECT_EQ(wrongMargin, 0);

    // Inside (clear of the rounded corners) the panel's colour lies over the
    // tile at opacity 220.
    const ui::TColor panel = CarbonPanelColor();
    int32_t worst = 0;
    for (int32_t y = 10; y < kHeight - 10; y += 7)
        for (int32_t x = 10; x < kWidth - 10; x += 5)
            worst = std::max(worst, ColorDistance(shot.At(x, y), Blend(TileColor(x, y), panel, 220)));
    EXPECT_LE(worst, 2);

    // A partial repaint continues the pattern exactly.
    const RECT part{7, 1, 61, 33};
    InvalidateRect(editor, &part, FALSE);
    UpdateWindow(editor);
    const host::TCapture again = host::CaptureClientArea(editor);
    EXPECT_EQ(again.Pixels, shot.Pixels);
    Close();
}

TEST_F(EditorWindow, OpenCloseCyclesLeaveNoWindowAndNoGdiObject) {
    // Wine creates some objects on first use (fonts, caches): measure after one cycle.
    Open();
    Close();
    const int32_t gdiBefore = ProcessGdiObjects();
    const int32_t windowsBefore = ThreadWindows();
    ASSERT_GT(gdiBefore, 0);

    for (int cycle = 0; cycle < 20; ++cycle) {
        Open();
        ASSERT_EQ(Frame.ChildCount(), 1) << "cycle " << cycle;
        UpdateWindow(Frame.FirstChild());
        Plugin.Dispatch(vst2::effEditIdle);
        Close();
        ASSERT_EQ(Frame.ChildCount(), 0) << "cycle " << cycle;
        vst2::ERect* rect = nullptr;
        EXPECT_EQ(GetRect(rect), 0);
    }
    EXPECT_EQ(ThreadWindows(), windowsBefore);
    EXPECT_EQ(ProcessGdiObjects(), gdiBefore);
}

TEST_F(EditorWindow, ASecondOpenReplacesTheWindowAndClosingTheModuleClosesIt) {
    Open();
    Open();
    EXPECT_EQ(Frame.ChildCount(), 1);
    {
        host::THostedPlugin second(KandrelLibrary());
        ASSERT_EQ(second.Dispatch(vst2::effEditOpen, 0, 0, Frame.Hwnd()), 1);
        EXPECT_EQ(Frame.ChildCount(), 2);
    }  // effClose with its editor still open
    EXPECT_EQ(Frame.ChildCount(), 1);
    Close();
    EXPECT_EQ(Frame.ChildCount(), 0);
}

}  // namespace
}  // namespace kandrel::test
