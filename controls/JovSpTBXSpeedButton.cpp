#include "controls/JovSpTBXSpeedButton.h"

namespace kandrel::controls {

TJovSpTBXSpeedButton::TJovSpTBXSpeedButton(ui::TControl* AParent) : TSpeedButton(AParent) { SetBounds(0, 0, 22, 22); }

void TJovSpTBXSpeedButton::MouseDown(ui::TMouseButton Button, ui::TShiftState Shift, int32_t X, int32_t Y) {
    FPressAccepted = RunBeforeMouseDown(OnBeforeMouseDown, *this, Button, Shift, X, Y);
    if (FPressAccepted) TSpeedButton::MouseDown(Button, Shift, X, Y);
}

void TJovSpTBXSpeedButton::Click() {
    if (FPressAccepted) {
        TSpeedButton::Click();
        return;
    }
    // The click that belongs to a vetoed press; the next one works again.
    FPressAccepted = true;
}

}  // namespace kandrel::controls
