#include "tests/support/MessageBoxWatcher.h"

#if defined(_WIN32)
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <mutex>
#include <set>
#include <thread>
#include <vector>

#include "common/win32/WideText.h"
#else
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#endif

namespace kandrel::test {

#if defined(_WIN32)

namespace {
// Watchers may nest; only the innermost one takes the boxes, as with the
// redirected standard error elsewhere.
std::mutex gWatchersLock;
std::vector<TMessageBoxWatcher::TState*> gWatchers;

TMessageBoxWatcher::TState* Innermost() {
    std::lock_guard<std::mutex> guard(gWatchersLock);
    return gWatchers.empty() ? nullptr : gWatchers.back();
}

std::wstring TextOf(HWND Window) {
    wchar_t text[2048] = {};
    GetWindowTextW(Window, text, 2047);
    return text;
}

std::wstring ClassOf(HWND Window) {
    wchar_t name[64] = {};
    GetClassNameW(Window, name, 63);
    return name;
}

// The box's message is its longest static text (the icon is a static without text).
BOOL CALLBACK FindMessage(HWND Child, LPARAM Param) {
    auto* longest = reinterpret_cast<std::wstring*>(Param);
    if (_wcsicmp(ClassOf(Child).c_str(), L"Static") == 0) {
        std::wstring text = TextOf(Child);
        if (text.size() > longest->size()) *longest = std::move(text);
    }
    return TRUE;
}
}  // namespace

// Boxes shown on the thread that made the watcher are caught by a hook the
// moment they appear; a thread looking for boxes every few milliseconds
// catches those of other threads.
struct TMessageBoxWatcher::TState {
    std::atomic<bool> Stop{false};
    std::mutex Lock;
    std::string Captured;
    std::set<HWND> Closed;
    std::thread Thread;
    HHOOK Hook = nullptr;

    void Take(HWND Window) {
        DWORD process = 0;
        GetWindowThreadProcessId(Window, &process);
        if (process != GetCurrentProcessId() || ClassOf(Window) != L"#32770") return;
        std::wstring message;
        EnumChildWindows(Window, &FindMessage, reinterpret_cast<LPARAM>(&message));
        {
            std::lock_guard<std::mutex> guard(Lock);
            if (!Closed.insert(Window).second) return;
            Captured += win32::Narrow(TextOf(Window)) + ": " + win32::Narrow(message) + "\n";
        }
        PostMessageW(Window, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    }
    // After the box's WM_INITDIALOG its texts are in place.
    static LRESULT CALLBACK OnMessageDone(int Code, WPARAM WParam, LPARAM LParam) {
        const auto* message = reinterpret_cast<const CWPRETSTRUCT*>(LParam);
        if (Code == HC_ACTION && message->message == WM_INITDIALOG)
            if (TState* state = Innermost()) state->Take(message->hwnd);
        return CallNextHookEx(nullptr, Code, WParam, LParam);
    }
    static BOOL CALLBACK OnWindow(HWND Window, LPARAM Param) {
        if (IsWindowVisible(Window)) reinterpret_cast<TState*>(Param)->Take(Window);
        return TRUE;
    }
    void Run() {
        while (!Stop.load()) {
            if (Innermost() == this) EnumWindows(&OnWindow, reinterpret_cast<LPARAM>(this));
            {
                // Handles of closed boxes may be reused by later ones.
                std::lock_guard<std::mutex> guard(Lock);
                for (auto it = Closed.begin(); it != Closed.end();) it = IsWindow(*it) ? std::next(it) : Closed.erase(it);
            }
            Sleep(5);
        }
    }
};

TMessageBoxWatcher::TMessageBoxWatcher() : FState(std::make_unique<TState>()) {
    {
        std::lock_guard<std::mutex> guard(gWatchersLock);
        gWatchers.push_back(FState.get());
    }
    FState->Hook = SetWindowsHookExW(WH_CALLWNDPROCRET, &TState::OnMessageDone, nullptr, GetCurrentThreadId());
    FState->Thread = std::thread([state = FState.get()] { state->Run(); });
}

TMessageBoxWatcher::~TMessageBoxWatcher() {
    FState->Stop.store(true);
    FState->Thread.join();
    if (FState->Hook != nullptr) UnhookWindowsHookEx(FState->Hook);
    std::lock_guard<std::mutex> guard(gWatchersLock);
    gWatchers.erase(std::find(gWatchers.begin(), gWatchers.end(), FState.get()));
}

std::string TMessageBoxWatcher::Captured() {
    std::lock_guard<std::mutex> guard(FState->Lock);
    return FState->Captured;
}

#else

// Present in the sanitizer runtimes only.
extern "C" void __sanitizer_set_report_fd(void* Fd) __attribute__((weak));

struct TMessageBoxWatcher::TState {
    int SavedError = -1;
    std::FILE* Capture = nullptr;
};

TMessageBoxWatcher::TMessageBoxWatcher() : FState(std::make_unique<TState>()) {
    std::fflush(stderr);
    // Sanitizer reports are no message boxes: they keep going to the real
    // standard error (a sanitizer may end the program before any watcher ends).
    static const int originalError = dup(STDERR_FILENO);
    if (__sanitizer_set_report_fd != nullptr && originalError >= 0)
        __sanitizer_set_report_fd(reinterpret_cast<void*>(static_cast<intptr_t>(originalError)));
    FState->Capture = std::tmpfile();
    if (FState->Capture == nullptr) return;
    FState->SavedError = dup(STDERR_FILENO);
    dup2(fileno(FState->Capture), STDERR_FILENO);
}

TMessageBoxWatcher::~TMessageBoxWatcher() {
    std::fflush(stderr);
    if (FState->SavedError >= 0) {
        dup2(FState->SavedError, STDERR_FILENO);
        close(FState->SavedError);
    }
    if (FState->Capture != nullptr) std::fclose(FState->Capture);
}

std::string TMessageBoxWatcher::Captured() {
    std::fflush(stderr);
    std::string text;
    if (FState->Capture == nullptr) return text;
    std::rewind(FState->Capture);
    char buffer[4096];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, FState->Capture)) > 0) text.append(buffer, n);
    std::fseek(FState->Capture, 0, SEEK_END);
    return text;
}

#endif

}  // namespace kandrel::test
