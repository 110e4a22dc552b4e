// The root of a control tree: one platform window (through IWindowBackend)
// whose client area the controls share. It routes the backend's events:
//
// - Mouse presses go to the topmost visible, enabled control under the
//   pointer (the window itself when there is none). While any button is held
//   that control keeps the mouse capture: moves and the release go to it even
//   outside its bounds or the window.
// - A left press and release on the same control, released inside it, then
//   Click it (after its MouseUp and after the capture has ended).
// - A right-button release then raises a context-menu request at the control
//   under the pointer, offered to its parents until one shows a menu.
// - Enter/leave: each move compares the control under the pointer with the
//   last one and sends MouseLeave to the old, then MouseEnter to the new one,
//   before the move itself (also during a capture).
// - The wheel goes to the focused control, else to the control under the
//   pointer, and up the parent chain until one handles it.
// - Painting paints each visible control, parent first, children in order,
//   translated and clipped to it.
//
// Backend contract: call the Handle... operations with client coordinates.
// Pass the held modifier keys and buttons in Shift, with ssDouble on the
// press of a double click. They catch every exception (see OnException).
//
// User-interface thread only.
#pragma once

#include <cstdint>
#include <exception>
#include <functional>
#include <map>
#include <string>

#include "ui/Control.h"
#include "ui/WindowBackend.h"

namespace kandrel::ui {

class IResourceProvider;
class TTimer;

class TWindow : public TControl {
public:
    TWindow();
    ~TWindow() override;

    // --- platform
    // Null detaches (headless: repaints, capture and focus requests are
    // dropped, menus show nothing). Attaching starts the enabled timers.
    void SetBackend(IWindowBackend* Backend);
    IWindowBackend* Backend() const { return FBackend; }
    void SetResources(IResourceProvider* Resources) { FResources = Resources; }
    // Throws std::logic_error when no provider was set.
    IResourceProvider& Resources() const;
    // Resizes the client area (through the backend when there is one; the
    // window's own size follows at once).
    void SetClientSize(TSize Size);
    // The size of Text on one line in Font (the backend's measure; headless
    // the recording canvas's fixed metric).
    TSize MeasureText(const std::string& Text, const TFont& Font) const;
    // Called with any exception that a control's handler let out of an event
    // routed by the window; the event is then over. Unset: ignored.
    std::function<void(std::exception_ptr)> OnException;

    // --- state
    TControl* FocusedControl() const { return FFocused; }
    TControl* CaptureControl() const { return FCapture; }
    TControl* HoveredControl() const { return FHovered; }
    // The topmost visible, enabled control at WindowPoint (this window when no
    // child is there); null outside the client area.
    TControl* ControlAt(TPoint WindowPoint);
    // Null clears the focus. A control outside this window is ignored.
    void FocusControl(TControl* Control);
    // Asks the backend to repaint Rect (window coordinates).
    void InvalidateRect(const TRect& Rect);

    // --- events from the backend (client coordinates)
    void HandleMouseDown(TMouseButton Button, TShiftState Shift, TPoint Point) noexcept;
    void HandleMouseMove(TShiftState Shift, TPoint Point) noexcept;
    void HandleMouseUp(TMouseButton Button, TShiftState Shift, TPoint Point) noexcept;
    // True when a control handled it.
    bool HandleMouseWheel(TShiftState Shift, int32_t WheelDelta, TPoint Point) noexcept;
    // The pointer left the client area.
    void HandleMouseLeave() noexcept;
    // The platform took the capture away (another window, a menu): the held
    // buttons are forgotten without a release.
    void HandleCaptureLost() noexcept;
    // Paints the tree into Canvas, whose clip is the area to repaint.
    void HandlePaint(ICanvas& Canvas) noexcept;
    void HandleTimer(uint32_t Id) noexcept;
    void HandleResize(TSize ClientSize) noexcept;

private:
    friend class TControl;
    friend class TTimer;

    // A control (and its subtree) leaves the window: forget it.
    void ControlDetaching(TControl& Control);
    uint32_t RegisterTimer(TTimer& Timer);
    void UnregisterTimer(uint32_t Id);
    void TimerChanged(TTimer& Timer);

    void UpdateHover(TPoint Point);
    void PaintTree(TControl& Control, ICanvas& Canvas);
    void Report(std::exception_ptr Error) noexcept;

    IWindowBackend* FBackend = nullptr;
    IResourceProvider* FResources = nullptr;
    TControl* FFocused = nullptr;
    TControl* FCapture = nullptr;
    TControl* FHovered = nullptr;
    TControl* FLeftPressed = nullptr;  // the control a left press went to, for the click
    TShiftState FButtonsDown = 0;
    bool FCaptureHeld = false;  // the backend's capture is set
    bool FDestroying = false;
    std::map<uint32_t, TTimer*> FTimers;
    uint32_t FNextTimerId = 1;
};

}  // namespace kandrel::ui
