// The Win32 backend's window as the layers above it (the editor, tests, tools)
// see it, without any Win32 type: a child window hosting a TWindow.
#pragma once

#include <functional>
#include <memory>

#include "ui/Window.h"
#include "ui/WindowBackend.h"

namespace kandrel::ui::win32 {

class INativeWindow : public IWindowBackend {
public:
    // The native window handle (an HWND).
    virtual void* Handle() const = 0;
    // Any thread: asks the user-interface thread to run the wake handler soon.
    // Wakes that arrive before the handler has run may be merged into one run.
    // Allocates nothing; a single posted message.
    virtual void Wake() noexcept = 0;
    // User-interface thread: what a wake runs.
    virtual void SetWakeHandler(std::function<void()> Handler) = 0;
    // User-interface thread: what runs each time the window itself is shown
    // again after being hidden (showing the host's window that holds it does
    // not count: the system tells only the window whose state changes).
    virtual void SetShowHandler(std::function<void()> Handler) = 0;
};

// User-interface thread: creates a visible, borderless child window of the
// native window ParentHandle (an HWND) at 0, 0 with Window's size, attached to
// Window as its backend (detached again when the result is destroyed, which
// also destroys the native window). Throws std::runtime_error when it cannot.
std::unique_ptr<INativeWindow> CreateChildWindow(TWindow& Window, void* ParentHandle);

}  // namespace kandrel::ui::win32
