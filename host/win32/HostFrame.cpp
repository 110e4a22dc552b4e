#include "host/win32/HostFrame.h"

#include <stdexcept>

namespace kandrel::host {

namespace {

constexpr const wchar_t* kClassName = L"KandrelHostFrame";
constexpr UINT_PTR kIdleTimer = 1;

void RegisterFrameClass(WNDPROC Procedure) {
    static bool registered = false;
    if (registered) return;
    WNDCLASSEXW cls{};
    cls.cbSize = sizeof cls;
    cls.lpfnWndProc = Procedure;
    cls.hInstance = GetModuleHandleW(nullptr);
    cls.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    cls.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    cls.lpszClassName = kClassName;
    if (RegisterClassExW(&cls) == 0 && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
        throw std::runtime_error("the frame window class could not be registered");
    registered = true;
}

}  // namespace

THostFrame::THostFrame(const std::wstring& Title) {
    RegisterFrameClass(&THostFrame::WindowProc);
    FHwnd = CreateWindowExW(0, kClassName, Title.c_str(), WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 100, 100, 400, 300,
                            nullptr, nullptr, GetModuleHandleW(nullptr), this);
    if (FHwnd == nullptr) throw std::runtime_error("the frame window could not be created");
}

THostFrame::~THostFrame() {
    if (FHwnd != nullptr) {
        KillTimer(FHwnd, kIdleTimer);
        DestroyWindow(FHwnd);
    }
}

LRESULT CALLBACK THostFrame::WindowProc(HWND Hwnd, UINT Message, WPARAM WParam, LPARAM LParam) {
    if (Message == WM_NCCREATE) {
        auto* frame = static_cast<THostFrame*>(reinterpret_cast<const CREATESTRUCTW*>(LParam)->lpCreateParams);
        SetWindowLongPtrW(Hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(frame));
    }
    auto* self = reinterpret_cast<THostFrame*>(GetWindowLongPtrW(Hwnd, GWLP_USERDATA));
    if (self != nullptr) {
        switch (Message) {
            case WM_CLOSE:
                self->FCloseRequested = true;
                return 0;
            case WM_TIMER:
                if (WParam == kIdleTimer) {
                    // The idle call must not unwind through the message loop.
                    try {
                        if (self->OnIdle) self->OnIdle();
                    } catch (...) {
                    }
                    return 0;
                }
                break;
            case WM_NCDESTROY:
                self->FHwnd = nullptr;
                SetWindowLongPtrW(Hwnd, GWLP_USERDATA, 0);
                break;
            default:
                break;
        }
    }
    return DefWindowProcW(Hwnd, Message, WParam, LParam);
}

void THostFrame::SetClientSize(int Width, int Height) {
    RECT r{0, 0, Width, Height};
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(FHwnd, GWL_STYLE));
    const auto exStyle = static_cast<DWORD>(GetWindowLongPtrW(FHwnd, GWL_EXSTYLE));
    AdjustWindowRectEx(&r, style, FALSE, exStyle);
    SetWindowPos(FHwnd, nullptr, 0, 0, r.right - r.left, r.bottom - r.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void THostFrame::Show() {
    ShowWindow(FHwnd, SW_SHOWNORMAL);
    UpdateWindow(FHwnd);
}

void THostFrame::StartIdleTimer(UINT IntervalMs) { SetTimer(FHwnd, kIdleTimer, IntervalMs, nullptr); }

HWND THostFrame::FirstChild() const { return GetWindow(FHwnd, GW_CHILD); }

int THostFrame::ChildCount() const {
    int count = 0;
    for (HWND child = FirstChild(); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) ++count;
    return count;
}

void PumpMessages(std::chrono::milliseconds MaxWait, const std::function<bool()>& Done) {
    const auto deadline = std::chrono::steady_clock::now() + MaxWait;
    for (;;) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        if (Done && Done()) return;
        const auto now = std::chrono::steady_clock::now();
        if (now >= deadline) return;
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - now).count();
        MsgWaitForMultipleObjectsEx(0, nullptr, static_cast<DWORD>(left) + 1, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    }
}

}  // namespace kandrel::host
