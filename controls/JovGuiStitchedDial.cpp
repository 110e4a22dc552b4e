#include "controls/JovGuiStitchedDial.h"

namespace kandrel::controls {

void TJovGuiStitchedDial::MouseDown(ui::TMouseButton Button, ui::TShiftState Shift, int32_t X, int32_t Y) {
    if (RunBeforeMouseDown(OnBeforeMouseDown, *this, Button, Shift, X, Y))
        TGuiStitchedDial::MouseDown(Button, Shift, X, Y);
}

void TJovGuiStitchedDial::MouseEnter() {
    // Focus follows the pointer so the wheel turns the dial under it.
    SetFocus();
    TGuiStitchedDial::MouseEnter();
}

void TJovGuiStitchedDial::MouseLeave() {
    if (Parent() != nullptr) Parent()->SetFocus();
    TGuiStitchedDial::MouseLeave();
}

}  // namespace kandrel::controls
