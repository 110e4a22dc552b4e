// The Win32 backend of one TWindow: a borderless child window of a host
// window. It paints through a back buffer (WM_ERASEBKGND is swallowed, so
// nothing flickers) and turns the window's messages into the TWindow's
// events: mouse buttons (double clicks through CS_DBLCLKS), moves with
// TrackMouseEvent for the leave, the wheel (its point comes in screen
// coordinates), capture and its loss, timers and size. No exception leaves
// the window procedure.
//
// Threads: Wake may be called from any thread; everything else on the thread
// that created the window (the user-interface thread).
#pragma once

#include <atomic>
#include <functional>
#include <memory>

#include "ui/win32/Win32Api.h"

#include "ui/win32/BackBuffer.h"
#include "ui/win32/FontCache.h"
#include "ui/win32/GdiplusSession.h"
#include "ui/win32/NativeWindow.h"

namespace kandrel::ui::win32 {

class TWin32WindowBackend final : public INativeWindow {
public:
    // Creates the child of Parent at 0, 0 with Window's size, visible, and
    // attaches itself to Window. Throws std::runtime_error.
    TWin32WindowBackend(TWindow& Window, HWND Parent);
    // Detaches from the window, then destroys the native window and its GDI objects.
    ~TWin32WindowBackend() override;

    HWND Hwnd() const { return FHwnd; }

    // --- INativeWindow
    void* Handle() const override { return FHwnd; }
    void Wake() noexcept override;
    void SetWakeHandler(std::function<void()> Handler) override { FWakeHandler = std::move(Handler); }
    void SetShowHandler(std::function<void()> Handler) override { FShowHandler = std::move(Handler); }

    // --- IWindowBackend
    void InvalidateRect(const TRect& Rect) override;
    void SetCapture() override;
    void ReleaseCapture() override;
    void SetFocus() override;
    void SetCursor(TCursor Cursor) override;
    void StartTimer(uint32_t Id, uint32_t IntervalMs) override;
    void StopTimer(uint32_t Id) override;
    TMenuItem* TrackPopupMenu(TMenuItem& Root, TPoint ScreenPoint) override;
    TPoint ClientToScreen(TPoint ClientPoint) const override;
    TPoint ScreenToClient(TPoint ScreenPoint) const override;
    void SetClientSize(TSize Size) override;
    TSize MeasureText(const std::string& Text, const TFont& Font) override;

private:
    static LRESULT CALLBACK WindowProc(HWND Hwnd, UINT Message, WPARAM WParam, LPARAM LParam);
    LRESULT Handle(UINT Message, WPARAM WParam, LPARAM LParam);
    void Paint();
    void PaintInto(HDC Target, const RECT& Area);
    void MouseButton(UINT Message, WPARAM WParam, LPARAM LParam);

    TGdiplusSession FSession;  // first member: GDI+ outlives everything below
    TWindow* FWindow;          // null once detached
    HWND FHwnd = nullptr;
    TBackBuffer FBuffer;
    TFontCache FFonts;
    HCURSOR FCursor = nullptr;
    bool FTrackingLeave = false;
    bool FReleasingCapture = false;
    std::atomic<bool> FWakePending{false};
    // Set when the system destroyed the window first (a host that destroys its
    // frame before closing the editor): its handle must not be used again.
    std::atomic<bool> FWindowGone{false};
    std::function<void()> FWakeHandler;
    std::function<void()> FShowHandler;
};

}  // namespace kandrel::ui::win32
