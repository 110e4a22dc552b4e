// A top-level window standing in for a host's plug-in frame
// (WS_OVERLAPPEDWINDOW), for "kandrel-host editor" and the GUI tests.
// Closing it (close box, WM_CLOSE) only records the wish: the owner closes the
// plug-in's editor first and then the frame. User-interface thread.
#pragma once

#include <windows.h>

#include <chrono>
#include <functional>
#include <string>

namespace kandrel::host {

class THostFrame {
public:
    // Created hidden. Throws std::runtime_error.
    explicit THostFrame(const std::wstring& Title);
    ~THostFrame();
    THostFrame(const THostFrame&) = delete;
    THostFrame& operator=(const THostFrame&) = delete;

    HWND Hwnd() const { return FHwnd; }
    // Sizes the frame so that its client area is Width x Height.
    void SetClientSize(int Width, int Height);
    void Show();
    bool CloseRequested() const { return FCloseRequested; }

    // Runs OnIdle every IntervalMs milliseconds while messages are pumped.
    void StartIdleTimer(UINT IntervalMs);
    std::function<void()> OnIdle;

    // The frame's child windows (the plug-in's editor), in z-order.
    HWND FirstChild() const;
    int ChildCount() const;

private:
    static LRESULT CALLBACK WindowProc(HWND Hwnd, UINT Message, WPARAM WParam, LPARAM LParam);

    HWND FHwnd = nullptr;
    bool FCloseRequested = false;
};

// Dispatches this thread's messages until Done answers true or MaxWait has
// passed (Done is asked after every batch of messages).
void PumpMessages(std::chrono::milliseconds MaxWait, const std::function<bool()>& Done = {});

}  // namespace kandrel::host
