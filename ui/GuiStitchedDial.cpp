#include "ui/GuiStitchedDial.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "common/JovCommon.h"

namespace kandrel::ui {

TGuiStitchedDial::TGuiStitchedDial(TControl* AParent) : TGuiStitchedControl(AParent) { SetBounds(0, 0, 64, 64); }

float TGuiStitchedDial::Clamp(float Value) const { return std::clamp(Value, FMin, std::max(FMin, FMax)); }

// While loading, a layout may set Value before Min and Max: Loaded clamps once all are in.
float TGuiStitchedDial::Fit(float Value) const { return IsLoading() ? Value : Clamp(Value); }

void TGuiStitchedDial::SetMin(float Value) {
    if (Value == FMin) return;
    if (!IsLoading() && Value > FMax) throw std::invalid_argument("Min must not be above Max");
    FMin = Value;
    FValue = Fit(FValue);
    FDefaultValue = Fit(FDefaultValue);
    Invalidate();
}

void TGuiStitchedDial::SetMax(float Value) {
    if (Value == FMax) return;
    if (!IsLoading() && Value < FMin) throw std::invalid_argument("Max must not be below Min");
    FMax = Value;
    FValue = Fit(FValue);
    FDefaultValue = Fit(FDefaultValue);
    Invalidate();
}

void TGuiStitchedDial::SetValue(float Value) {
    if (std::isnan(Value)) return;
    Value = Fit(Value);
    if (Value == FValue) return;
    const int32_t oldGlyph = ShownGlyph();
    FValue = Value;
    if (ShownGlyph() != oldGlyph) Invalidate();
    if (!IsLoading() && OnChange) OnChange(*this);
}

void TGuiStitchedDial::SetDefaultValue(float Value) {
    if (!std::isnan(Value)) FDefaultValue = Fit(Value);
}

void TGuiStitchedDial::SetScrollRange(float Value) { FScrollRange = std::max(Value, 1.0f); }

int32_t TGuiStitchedDial::ShownGlyph() const {
    const int32_t count = GlyphCount();
    if (count <= 0) return -1;
    if (FMax <= FMin) return 0;
    // Multiplied before dividing, so whole values give exact halves (3 of
    // 0..200 on 101 frames is exactly 1.5) and round to even as they should.
    const double frame = (static_cast<double>(FValue) - FMin) * (count - 1) / (static_cast<double>(FMax) - FMin);
    return static_cast<int32_t>(RoundHalfEven(frame));
}

void TGuiStitchedDial::StepValue(double Delta) {
    double next = static_cast<double>(FValue) + Delta;
    const double range = static_cast<double>(FMax) - FMin;
    if (FWrap && range > 0) {
        next = std::fmod(next - FMin, range);
        if (next < 0) next += range;
        next += FMin;
    }
    SetValue(static_cast<float>(next));
}

void TGuiStitchedDial::MouseDown(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) {
    if (Button == TMouseButton::mbLeft) {
        SetFocus();
        FDragging = true;
        FLastY = Y;
    } else if (Button == TMouseButton::mbRight && (Shift & ssCtrl) != 0) {
        SetValue(FDefaultValue);
    }
    if (Enabled()) TGuiStitchedControl::MouseDown(Button, Shift, X, Y);
}

void TGuiStitchedDial::MouseMove(TShiftState Shift, int32_t X, int32_t Y) {
    if (FDragging && (Shift & ssLeft) != 0 && Y != FLastY) {
        const double range = static_cast<double>(FMax) - FMin;
        double delta = -static_cast<double>(Y - FLastY) * range / FScrollRange;
        if ((Shift & ssShift) != 0) delta /= 10.0;
        FLastY = Y;
        StepValue(delta);
    }
    TGuiStitchedControl::MouseMove(Shift, X, Y);
}

void TGuiStitchedDial::MouseUp(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) {
    if (Button == TMouseButton::mbLeft) FDragging = false;
    TGuiStitchedControl::MouseUp(Button, Shift, X, Y);
}

bool TGuiStitchedDial::DoMouseWheel(TShiftState Shift, int32_t WheelDelta, TPoint MousePos) {
    const double notches = static_cast<double>(WheelDelta) / kWheelDeltaPerNotch;
    double delta = notches * FWheelStep * (static_cast<double>(FMax) - FMin) / 100.0;
    if ((Shift & ssShift) != 0) delta /= 10.0;
    if (delta != 0) StepValue(delta);
    TGuiStitchedControl::DoMouseWheel(Shift, WheelDelta, MousePos);
    return true;
}

void TGuiStitchedDial::Loaded() {
    TGuiStitchedControl::Loaded();
    FValue = Clamp(FValue);
    FDefaultValue = Clamp(FDefaultValue);
}

void TGuiStitchedDial::CancelMode() { FDragging = false; }

}  // namespace kandrel::ui
