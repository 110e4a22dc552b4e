#include "ui/win32/Win32WindowBackend.h"

#include <mutex>
#include <stdexcept>

#include "ui/Menu.h"
#include "ui/win32/BackendCounters.h"
#include "ui/win32/ModuleResources.h"
#include "ui/win32/NativeMenu.h"
#include "ui/win32/Win32Canvas.h"

namespace kandrel::ui::win32 {

namespace {

constexpr const wchar_t* kClassName = L"KandrelEditorWindow";
// Posted by Wake; carries nothing, the owner keeps what is to be done.
constexpr UINT kWakeMessage = WM_APP + 0x2B1;

// Windows registered by a library stay registered after it is unloaded, so
// the class lives exactly as long as one of our windows does. Hosts may open
// editors on more than one user-interface thread.
std::mutex gClassLock;
int32_t gClassUsers = 0;

HINSTANCE Instance() { return static_cast<HINSTANCE>(CodeModuleHandle()); }

void UseClass(WNDPROC Procedure) {
    std::lock_guard<std::mutex> guard(gClassLock);
    if (gClassUsers++ > 0) return;
    WNDCLASSEXW cls{};
    cls.cbSize = sizeof cls;
    cls.style = CS_DBLCLKS;  // no CS_HREDRAW/VREDRAW: WM_PAINT repaints what is needed
    cls.lpfnWndProc = Procedure;
    cls.hInstance = Instance();
    cls.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    cls.lpszClassName = kClassName;
    if (RegisterClassExW(&cls) == 0 && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
        --gClassUsers;
        throw std::runtime_error("the editor's window class could not be registered");
    }
}

void ReleaseClass() {
    std::lock_guard<std::mutex> guard(gClassLock);
    if (--gClassUsers == 0) UnregisterClassW(kClassName, Instance());
}

int16_t LowWord(LPARAM Value) { return static_cast<int16_t>(static_cast<uint16_t>(Value & 0xFFFF)); }
int16_t HighWord(LPARAM Value) { return static_cast<int16_t>(static_cast<uint16_t>((Value >> 16) & 0xFFFF)); }
TPoint PointOf(LPARAM LParam) { return {LowWord(LParam), HighWord(LParam)}; }

// The message's key flags, with Alt (which they do not carry) from the keyboard state.
TShiftState ShiftOf(WPARAM Keys) {
    TShiftState shift = 0;
    if (Keys & MK_SHIFT) shift |= ssShift;
    if (Keys & MK_CONTROL) shift |= ssCtrl;
    if (GetKeyState(VK_MENU) < 0) shift |= ssAlt;
    if (Keys & MK_LBUTTON) shift |= ssLeft;
    if (Keys & MK_RBUTTON) shift |= ssRight;
    if (Keys & MK_MBUTTON) shift |= ssMiddle;
    return shift;
}

}  // namespace

TWin32WindowBackend::TWin32WindowBackend(TWindow& Window, HWND Parent) : FWindow(&Window) {
    if (Parent == nullptr) throw std::runtime_error("no parent window");
    UseClass(&TWin32WindowBackend::WindowProc);
    // The procedure finds this object through the creation parameter from the first message on.
    HWND hwnd = CreateWindowExW(0, kClassName, L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, 0,
                                0, Window.Width(), Window.Height(), Parent, nullptr, Instance(), this);
    if (hwnd == nullptr) {
        ReleaseClass();
        throw std::runtime_error("the editor window could not be created");
    }
    CountWindows(1);
    FCursor = LoadCursorW(nullptr, IDC_ARROW);
    Window.SetBackend(this);
    ::InvalidateRect(FHwnd, nullptr, FALSE);
}

TWin32WindowBackend::~TWin32WindowBackend() {
    if (FWindow != nullptr && FWindow->Backend() == this) FWindow->SetBackend(nullptr);
    FWindow = nullptr;  // messages sent while the window goes reach no control
    if (!FWindowGone.load(std::memory_order_acquire)) DestroyWindow(FHwnd);
    ReleaseClass();
    CountWindows(-1);
}

LRESULT CALLBACK TWin32WindowBackend::WindowProc(HWND Hwnd, UINT Message, WPARAM WParam, LPARAM LParam) {
    // An exception must never unwind into the system's or the host's frames.
    try {
        if (Message == WM_NCCREATE) {
            auto* created = reinterpret_cast<TWin32WindowBackend*>(
                reinterpret_cast<const CREATESTRUCTW*>(LParam)->lpCreateParams);
            SetWindowLongPtrW(Hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
            created->FHwnd = Hwnd;
        }
        auto* self = reinterpret_cast<TWin32WindowBackend*>(GetWindowLongPtrW(Hwnd, GWLP_USERDATA));
        if (Message == WM_NCDESTROY) {
            SetWindowLongPtrW(Hwnd, GWLP_USERDATA, 0);
            if (self != nullptr) self->FWindowGone.store(true, std::memory_order_release);
        }
        if (self != nullptr && self->FWindow != nullptr) return self->Handle(Message, WParam, LParam);
        if (Message == WM_PAINT) {
            PAINTSTRUCT ps;
            BeginPaint(Hwnd, &ps);
            EndPaint(Hwnd, &ps);
            return 0;
        }
        if (Message == WM_ERASEBKGND) return 1;
    } catch (...) {
    }
    try {
        return DefWindowProcW(Hwnd, Message, WParam, LParam);
    } catch (...) {
        return 0;
    }
}

LRESULT TWin32WindowBackend::Handle(UINT Message, WPARAM WParam, LPARAM LParam) {
    switch (Message) {
        case WM_ERASEBKGND:
            return 1;  // the paint covers everything, from the back buffer
        case WM_PAINT:
            Paint();
            return 0;
        case WM_PRINTCLIENT: {
            RECT client;
            GetClientRect(FHwnd, &client);
            PaintInto(reinterpret_cast<HDC>(WParam), client);
            return 0;
        }
        case WM_SIZE:
            FWindow->HandleResize({LOWORD(LParam), HIWORD(LParam)});
            return 0;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
        case WM_LBUTTONUP:
        case WM_RBUTTONDOWN:
        case WM_RBUTTONDBLCLK:
        case WM_RBUTTONUP:
        case WM_MBUTTONDOWN:
        case WM_MBUTTONDBLCLK:
        case WM_MBUTTONUP:
            MouseButton(Message, WParam, LParam);
            return 0;  // also keeps WM_CONTEXTMENU from the host: the window shows its own menus
        case WM_MOUSEMOVE:
            if (!FTrackingLeave) {
                TRACKMOUSEEVENT track{};
                track.cbSize = sizeof track;
                track.dwFlags = TME_LEAVE;
                track.hwndTrack = FHwnd;
                FTrackingLeave = TrackMouseEvent(&track) != FALSE;
            }
            FWindow->HandleMouseMove(ShiftOf(WParam), PointOf(LParam));
            return 0;
        case WM_MOUSELEAVE:
            FTrackingLeave = false;
            FWindow->HandleMouseLeave();
            return 0;
        case WM_MOUSEWHEEL: {
            // The wheel's point is in screen coordinates.
            const TPoint client = ScreenToClient(PointOf(LParam));
            const auto delta = static_cast<int16_t>(HIWORD(WParam));
            if (FWindow->HandleMouseWheel(ShiftOf(LOWORD(WParam)), delta, client)) return 0;
            break;  // unhandled: the default procedure offers it to the parent
        }
        case WM_CAPTURECHANGED:
            if (!FReleasingCapture && reinterpret_cast<HWND>(LParam) != FHwnd) FWindow->HandleCaptureLost();
            return 0;
        case WM_TIMER:
            FWindow->HandleTimer(static_cast<uint32_t>(WParam));
            return 0;
        case WM_SETCURSOR:
            if (LOWORD(LParam) == HTCLIENT && FCursor != nullptr) {
                ::SetCursor(FCursor);
                return TRUE;
            }
            break;
        case WM_SHOWWINDOW:
            if (WParam != FALSE && FShowHandler) FShowHandler();
            break;
        case kWakeMessage:
            FWakePending.store(false, std::memory_order_release);
            if (FWakeHandler) FWakeHandler();
            return 0;
        default:
            break;
    }
    return DefWindowProcW(FHwnd, Message, WParam, LParam);
}

void TWin32WindowBackend::MouseButton(UINT Message, WPARAM WParam, LPARAM LParam) {
    TMouseButton button = TMouseButton::mbLeft;
    if (Message >= WM_RBUTTONDOWN && Message <= WM_RBUTTONDBLCLK) button = TMouseButton::mbRight;
    if (Message >= WM_MBUTTONDOWN && Message <= WM_MBUTTONDBLCLK) button = TMouseButton::mbMiddle;
    const TShiftState shift = ShiftOf(WParam);
    const TPoint point = PointOf(LParam);
    switch (Message) {
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
        case WM_MBUTTONUP:
            FWindow->HandleMouseUp(button, shift, point);
            break;
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDBLCLK:
        case WM_MBUTTONDBLCLK:
            FWindow->HandleMouseDown(button, shift | ssDouble, point);
            break;
        default:
            FWindow->HandleMouseDown(button, shift, point);
            break;
    }
}

void TWin32WindowBackend::Paint() {
    // EndPaint also when painting throws: otherwise the area stays invalid and
    // the system sends WM_PAINT again and again.
    struct TPaintScope {
        HWND Hwnd;
        PAINTSTRUCT Ps{};
        HDC Dc;
        explicit TPaintScope(HWND Window) : Hwnd(Window), Dc(BeginPaint(Window, &Ps)) {}
        ~TPaintScope() { EndPaint(Hwnd, &Ps); }
    } scope(FHwnd);
    if (scope.Dc != nullptr) PaintInto(scope.Dc, scope.Ps.rcPaint);
}

void TWin32WindowBackend::PaintInto(HDC Target, const RECT& Area) {
    RECT client;
    GetClientRect(FHwnd, &client);
    FBuffer.Resize({client.right - client.left, client.bottom - client.top});
    const TRect area{Area.left, Area.top, Area.right, Area.bottom};
    if (area.IsEmpty()) return;
    {
        TWin32Canvas canvas(FBuffer, FFonts, area);
        FWindow->HandlePaint(canvas);
    }
    BitBlt(Target, area.Left, area.Top, area.Width(), area.Height(), FBuffer.Dc(), area.Left, area.Top, SRCCOPY);
}

void TWin32WindowBackend::Wake() noexcept {
    if (FWindowGone.load(std::memory_order_acquire) || FWakePending.exchange(true, std::memory_order_acq_rel))
        return;
    if (!PostMessageW(FHwnd, kWakeMessage, 0, 0)) FWakePending.store(false, std::memory_order_release);
}

void TWin32WindowBackend::InvalidateRect(const TRect& Rect) {
    const RECT r{Rect.Left, Rect.Top, Rect.Right, Rect.Bottom};
    ::InvalidateRect(FHwnd, &r, FALSE);
}

void TWin32WindowBackend::SetCapture() { ::SetCapture(FHwnd); }

void TWin32WindowBackend::ReleaseCapture() {
    if (GetCapture() != FHwnd) return;
    // Our own release is no loss of capture for the window.
    FReleasingCapture = true;
    ::ReleaseCapture();
    FReleasingCapture = false;
}

void TWin32WindowBackend::SetFocus() { ::SetFocus(FHwnd); }

void TWin32WindowBackend::SetCursor(TCursor Cursor) {
    FCursor = LoadCursorW(nullptr, Cursor == TCursor::crSizeNS ? IDC_SIZENS : IDC_ARROW);
    POINT p;
    if (GetCapture() == FHwnd || (GetCursorPos(&p) && WindowFromPoint(p) == FHwnd)) ::SetCursor(FCursor);
}

void TWin32WindowBackend::StartTimer(uint32_t Id, uint32_t IntervalMs) { SetTimer(FHwnd, Id, IntervalMs, nullptr); }

void TWin32WindowBackend::StopTimer(uint32_t Id) { KillTimer(FHwnd, Id); }

TMenuItem* TWin32WindowBackend::TrackPopupMenu(TMenuItem& Root, TPoint ScreenPoint) {
    TNativeMenu menu(Root);
    return menu.Track(FHwnd, POINT{ScreenPoint.X, ScreenPoint.Y});
}

TPoint TWin32WindowBackend::ClientToScreen(TPoint ClientPoint) const {
    POINT p{ClientPoint.X, ClientPoint.Y};
    ::ClientToScreen(FHwnd, &p);
    return {p.x, p.y};
}

TPoint TWin32WindowBackend::ScreenToClient(TPoint ScreenPoint) const {
    POINT p{ScreenPoint.X, ScreenPoint.Y};
    ::ScreenToClient(FHwnd, &p);
    return {p.x, p.y};
}

void TWin32WindowBackend::SetClientSize(TSize Size) {
    // Borderless: the window's size is its client area's.
    SetWindowPos(FHwnd, nullptr, 0, 0, Size.Width, Size.Height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

TSize TWin32WindowBackend::MeasureText(const std::string& Text, const TFont& Font) {
    return FFonts.Measure(FBuffer.Dc(), Text, Font);
}

}  // namespace kandrel::ui::win32
