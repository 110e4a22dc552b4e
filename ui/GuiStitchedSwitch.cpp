#include "ui/GuiStitchedSwitch.h"

#include <algorithm>

namespace kandrel::ui {

TGuiStitchedSwitch::TGuiStitchedSwitch(TControl* AParent) : TGuiStitchedControl(AParent) { SetBounds(0, 0, 64, 64); }

void TGuiStitchedSwitch::SetGlyphIndex(int32_t Value) {
    if (IsLoading()) {
        FGlyphIndex = Value;
        return;
    }
    const int32_t count = GlyphCount();
    Value = count > 0 ? std::clamp(Value, 0, count - 1) : -1;
    if (Value == FGlyphIndex) return;
    FGlyphIndex = Value;
    Invalidate();
    if (OnChange) OnChange(*this);
}

void TGuiStitchedSwitch::MouseDown(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) {
    if (FReadOnly) return;
    const int32_t count = GlyphCount();
    if (count > 0) {
        if (Button == TMouseButton::mbLeft) SetGlyphIndex(FGlyphIndex + 1 >= count ? 0 : FGlyphIndex + 1);
        else if (Button == TMouseButton::mbRight) SetGlyphIndex(FGlyphIndex <= 0 ? count - 1 : FGlyphIndex - 1);
    }
    TGuiStitchedControl::MouseDown(Button, Shift, X, Y);
}

}  // namespace kandrel::ui
