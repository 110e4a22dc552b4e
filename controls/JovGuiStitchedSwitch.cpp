#include "controls/JovGuiStitchedSwitch.h"

namespace kandrel::controls {

void TJovGuiStitchedSwitch::SetValue(bool V) {
    if (OnGlyphIndex != 0) SetGlyphIndex(V ? 1 : 0);
    else SetGlyphIndex(V ? 0 : 1);
}

void TJovGuiStitchedSwitch::MouseDown(ui::TMouseButton Button, ui::TShiftState Shift, int32_t X, int32_t Y) {
    if (RunBeforeMouseDown(OnBeforeMouseDown, *this, Button, Shift, X, Y))
        TGuiStitchedSwitch::MouseDown(Button, Shift, X, Y);
}

}  // namespace kandrel::controls
