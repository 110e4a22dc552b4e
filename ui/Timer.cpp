#include "ui/Timer.h"

#include "ui/Window.h"

namespace kandrel::ui {

TTimer::TTimer(TWindow& Owner) : FWindow(&Owner) {
    FId = Owner.RegisterTimer(*this);
    Owner.TimerChanged(*this);
}

TTimer::~TTimer() {
    if (FWindow != nullptr) FWindow->UnregisterTimer(FId);
}

void TTimer::SetEnabled(bool Value) {
    if (Value == FEnabled) return;
    FEnabled = Value;
    if (FWindow != nullptr) FWindow->TimerChanged(*this);
}

void TTimer::SetInterval(uint32_t Milliseconds) {
    if (Milliseconds == FInterval) return;
    FInterval = Milliseconds;
    if (FWindow != nullptr) FWindow->TimerChanged(*this);
}

void TTimer::Fire() {
    const TTimerEvent handler = OnTimer;  // the handler may free the timer
    if (handler) handler(*this);
}

}  // namespace kandrel::ui
