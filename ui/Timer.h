// A repeating timer of a window: while Enabled and Interval > 0 it fires
// OnTimer every Interval milliseconds through the window's backend.
// Enabling again (after disabling) starts the interval afresh.
// User-interface thread only.
#pragma once

#include <cstdint>
#include <functional>

namespace kandrel::ui {

class TWindow;
class TTimer;

using TTimerEvent = std::function<void(TTimer& Sender)>;

class TTimer {
public:
    // Interval 1000 ms, enabled (as the toolkit's timers start).
    explicit TTimer(TWindow& Owner);
    ~TTimer();
    TTimer(const TTimer&) = delete;
    TTimer& operator=(const TTimer&) = delete;

    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool Value);
    uint32_t Interval() const { return FInterval; }
    void SetInterval(uint32_t Milliseconds);
    // True while the timer is enabled, has an interval and a window.
    bool Running() const { return FEnabled && FInterval > 0 && FWindow != nullptr; }
    uint32_t Id() const { return FId; }

    TTimerEvent OnTimer;

private:
    friend class TWindow;
    void Fire();

    TWindow* FWindow;
    uint32_t FId = 0;
    uint32_t FInterval = 1000;
    bool FEnabled = true;
};

}  // namespace kandrel::ui
