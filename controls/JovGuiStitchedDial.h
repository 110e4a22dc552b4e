// The editor's dial: the stitched dial with the press hook OnBeforeMouseDown
// (a veto leaves the press without any effect: no focus, no drag, no reset,
// no OnMouseDown) and the keyboard focus while the pointer is over it (on
// entering it takes the focus, on leaving it hands the focus to its parent),
// so the wheel acts on the dial under the pointer.
// User-interface thread only.
#pragma once

#include "controls/JovBeforeMouseDown.h"
#include "ui/GuiStitchedDial.h"

namespace kandrel::controls {

class TJovGuiStitchedDial : public ui::TGuiStitchedDial {
public:
    using ui::TGuiStitchedDial::TGuiStitchedDial;

    TJovBeforeMouseDownEvent OnBeforeMouseDown;

protected:
    void MouseDown(ui::TMouseButton Button, ui::TShiftState Shift, int32_t X, int32_t Y) override;
    void MouseEnter() override;
    void MouseLeave() override;
};

}  // namespace kandrel::controls
