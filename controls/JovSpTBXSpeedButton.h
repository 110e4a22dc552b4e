// A speed button with the press hook OnBeforeMouseDown: a vetoed press has
// no effect (no pressed look, no OnMouseDown), and the click that follows it
// is swallowed; the next click works again. ButtonValue is the whole value
// the button stands for when it is bound to a parameter (-1: none yet).
// 22 x 22 when created. User-interface thread only.
#pragma once

#include <cstdint>

#include "controls/JovBeforeMouseDown.h"
#include "ui/SpeedButton.h"

namespace kandrel::controls {

class TJovSpTBXSpeedButton : public ui::TSpeedButton {
public:
    explicit TJovSpTBXSpeedButton(ui::TControl* AParent = nullptr);

    int32_t ButtonValue = -1;
    TJovBeforeMouseDownEvent OnBeforeMouseDown;
    // The hook's outcome at the last press (true before any press).
    bool PressAccepted() const { return FPressAccepted; }

    void Click() override;

protected:
    void MouseDown(ui::TMouseButton Button, ui::TShiftState Shift, int32_t X, int32_t Y) override;

private:
    bool FPressAccepted = true;
};

}  // namespace kandrel::controls
