// The editor's on/off switch: the stitched switch with a Boolean Value, a
// settable "on" frame (OnGlyphIndex, default 1) and the press hook
// OnBeforeMouseDown (a veto leaves the press without any effect).
// Value reads true exactly when GlyphIndex equals OnGlyphIndex; writing it
// sets GlyphIndex to 1 for true and 0 for false, or the other way round when
// OnGlyphIndex is 0 (the switch's own GlyphIndex rules apply).
// User-interface thread only.
#pragma once

#include <cstdint>

#include "controls/JovBeforeMouseDown.h"
#include "ui/GuiStitchedSwitch.h"

namespace kandrel::controls {

class TJovGuiStitchedSwitch : public ui::TGuiStitchedSwitch {
public:
    using ui::TGuiStitchedSwitch::TGuiStitchedSwitch;

    uint8_t OnGlyphIndex = 1;
    bool Value() const { return GlyphIndex() == OnGlyphIndex; }
    void SetValue(bool V);

    TJovBeforeMouseDownEvent OnBeforeMouseDown;

protected:
    void MouseDown(ui::TMouseButton Button, ui::TShiftState Shift, int32_t X, int32_t Y) override;
};

}  // namespace kandrel::controls
