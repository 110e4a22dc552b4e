// The press hook shared by every parameter control (dial, switch, numeric
// box, slider, speed button): called before the control reacts to a mouse
// press; leaving Continue false vetoes the control's own handling of that
// press. User-interface thread only.
#pragma once

#include <cstdint>
#include <functional>

#include "ui/Control.h"

namespace kandrel::controls {

using TJovBeforeMouseDownEvent = std::function<void(ui::TControl& Sender, ui::TMouseButton Button,
                                                    ui::TShiftState Shift, int32_t X, int32_t Y, bool& Continue)>;

// Runs Hook (when assigned) with Continue starting true and answers Continue.
inline bool RunBeforeMouseDown(const TJovBeforeMouseDownEvent& Hook, ui::TControl& Sender, ui::TMouseButton Button,
                               ui::TShiftState Shift, int32_t X, int32_t Y) {
    bool Continue = true;
    if (Hook) Hook(Sender, Button, Shift, X, Y, Continue);
    return Continue;
}

}  // namespace kandrel::controls
