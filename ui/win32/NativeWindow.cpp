#include "ui/win32/NativeWindow.h"

#include "ui/win32/Win32WindowBackend.h"

namespace kandrel::ui::win32 {

std::unique_ptr<INativeWindow> CreateChildWindow(TWindow& Window, void* ParentHandle) {
    return std::make_unique<TWin32WindowBackend>(Window, static_cast<HWND>(ParentHandle));
}

}  // namespace kandrel::ui::win32
