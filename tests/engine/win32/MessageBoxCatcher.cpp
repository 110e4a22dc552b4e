#include <windows.h>

#include <atomic>
#include <mutex>
#include <thread>

#include "tests/engine/MessageBoxCatcher.h"

namespace kandrel::test {

namespace {

std::string Narrow(const std::wstring& Wide) {
    if (Wide.empty()) return {};
    const int n = WideCharToMultiByte(CP_UTF8, 0, Wide.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, Wide.c_str(), -1, text.data(), n, nullptr, nullptr);
    text.pop_back();
    return text;
}

std::wstring WindowText(HWND Window) {
    wchar_t text[1024] = {};
    GetWindowTextW(Window, text, 1024);
    return text;
}

// The dialog of a standard message box owned by this process, if one is up.
HWND FindBox() {
    struct TSearch {
        DWORD Process;
        HWND Found;
    } search{GetCurrentProcessId(), nullptr};
    EnumWindows(
        [](HWND Window, LPARAM Param) -> BOOL {
            auto& s = *reinterpret_cast<TSearch*>(Param);
            DWORD process = 0;
            GetWindowThreadProcessId(Window, &process);
            wchar_t name[16] = {};
            GetClassNameW(Window, name, 16);
            if (process != s.Process || lstrcmpW(name, L"#32770") != 0 || !IsWindowVisible(Window)) return TRUE;
            s.Found = Window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.Found;
}

// The box's message: its text label (the icon is a label without text).
std::wstring BoxMessage(HWND Box) {
    std::wstring message;
    EnumChildWindows(
        Box,
        [](HWND Child, LPARAM Param) -> BOOL {
            wchar_t name[16] = {};
            GetClassNameW(Child, name, 16);
            if (lstrcmpiW(name, L"Static") != 0) return TRUE;
            const std::wstring text = WindowText(Child);
            if (text.empty()) return TRUE;
            *reinterpret_cast<std::wstring*>(Param) = text;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&message));
    return message;
}

}  // namespace

struct TMessageBoxCatcher::TState {
    std::atomic<bool> Stop{false};
    std::mutex Mutex;
    std::vector<TCaughtBox> Boxes;
    std::thread Watcher;
};

TMessageBoxCatcher::TMessageBoxCatcher() : FState(std::make_unique<TState>()) {
    TState* state = FState.get();
    state->Watcher = std::thread([state] {
        HWND last = nullptr;
        while (!state->Stop.load()) {
            const HWND box = FindBox();
            if (box != nullptr && box != last) {
                const TCaughtBox caught{Narrow(WindowText(box)), Narrow(BoxMessage(box))};
                {
                    const std::lock_guard lock(state->Mutex);
                    state->Boxes.push_back(caught);
                }
                PostMessageW(box, WM_COMMAND, IDOK, 0);
                last = box;
            }
            Sleep(10);
        }
    });
}

TMessageBoxCatcher::~TMessageBoxCatcher() { Finish(); }

std::vector<TCaughtBox> TMessageBoxCatcher::Finish() {
    if (FState->Watcher.joinable()) {
        FState->Stop.store(true);
        FState->Watcher.join();
    }
    const std::lock_guard lock(FState->Mutex);
    return FState->Boxes;
}

}  // namespace kandrel::test
