// What a TWindow needs from the window system. The Win32 backend implements
// it for one child window; tests implement it with a scripted fake.
//
// The backend in turn feeds the window's events into TWindow (see Window.h):
// mouse, wheel, paint, timers, size, lost capture. Every call in both
// directions happens on the user-interface thread.
//
// A backend provides, besides this interface:
// - an ICanvas (Canvas.h) over its back buffer, handed to TWindow::HandlePaint;
//   it draws TImage objects by kind, caching its native form in the image's
//   BackendCache (Image.h);
// - an IResourceProvider (ResourceProvider.h) for the plug-in file's bitmaps
//   and PNGs, given to the window with TWindow::SetResources;
// - the menu display of TrackPopupMenu (Menu.h says what to show).
// StyleColors.h defines ui::RGB and Canvas.h ICanvas::DrawText: a file that
// also includes <windows.h> must #undef RGB and DrawText after it.
#pragma once

#include <cstdint>
#include <string>

#include "ui/Canvas.h"
#include "ui/UiTypes.h"

namespace kandrel::ui {

class TMenuItem;

class IWindowBackend {
public:
    virtual ~IWindowBackend() = default;

    // Schedules a repaint of Rect (client coordinates); the backend later calls
    // TWindow::Paint with a canvas clipped to the area to repaint.
    virtual void InvalidateRect(const TRect& Rect) = 0;
    // Mouse capture of the whole window: while a button is held, moves and the
    // release arrive even outside the window.
    virtual void SetCapture() = 0;
    virtual void ReleaseCapture() = 0;
    // Gives the keyboard focus (and with it the mouse wheel) to the window.
    virtual void SetFocus() = 0;
    virtual void SetCursor(TCursor Cursor) = 0;
    // Calls TWindow::TimerFired(Id) every IntervalMs milliseconds until
    // StopTimer(Id); starting a running Id restarts it with the new interval.
    virtual void StartTimer(uint32_t Id, uint32_t IntervalMs) = 0;
    virtual void StopTimer(uint32_t Id) = 0;
    // Shows the menu tree under Root (its children are the top-level items;
    // see Menu.h for what to show of each item) at ScreenPoint, waits until it
    // closes, and answers the chosen command item, or null when it was
    // dismissed. Must not run any item's OnClick itself.
    virtual TMenuItem* TrackPopupMenu(TMenuItem& Root, TPoint ScreenPoint) = 0;
    virtual TPoint ClientToScreen(TPoint ClientPoint) const = 0;
    virtual TPoint ScreenToClient(TPoint ScreenPoint) const = 0;
    // Resizes the window's client area (the backend then calls TWindow::Resized).
    virtual void SetClientSize(TSize Size) = 0;
    // The size of Text drawn on one line in Font.
    virtual TSize MeasureText(const std::string& Text, const TFont& Font) = 0;
};

}  // namespace kandrel::ui
