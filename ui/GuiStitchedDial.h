// A rotary dial drawn from an image strip.
//
// Value lies in [Min, Max] (writers clamp); the frame shown is
// (Value - Min) / (Max - Min) x (GlyphCount - 1), rounded to the nearest frame
// with halves to even. Writing a different Value repaints and fires OnChange,
// except while loading.
//
// Mouse:
// - MouseDown: the left button takes the focus and starts a drag; the right
//   button with Ctrl sets Value to DefaultValue; then, if enabled, OnMouseDown.
// - Drag (after a left press on the dial, until its release): each move
//   changes Value by -dy x (Max - Min) / ScrollRange, dy being the vertical
//   distance since the last move in pixels (moving up increases); with Shift
//   held a tenth of that. The default ScrollRange of 400 thus turns the whole
//   range over 400 pixels.
// - Wheel: each notch (kWheelDeltaPerNotch delta units; finer deltas count
//   in proportion) changes Value by WheelStep percent of (Max - Min), up
//   increasing; with Shift held a tenth of that. Then the base's wheel
//   events fire; the wheel counts as handled.
// Steps are summed in double precision and stored as single precision; with
// Wrap a step past one end continues from the other end, otherwise it stops
// at the end. CurveMapping and LockCursor are kept for the layouts; the
// mapping is always linear and the pointer is never locked.
//
// User-interface thread only.
#pragma once

#include <cstdint>

#include "ui/GuiStitchedControl.h"

namespace kandrel::ui {

class TGuiStitchedDial : public TGuiStitchedControl {
public:
    explicit TGuiStitchedDial(TControl* AParent = nullptr);

    float Min() const { return FMin; }
    // Outside loading a Min above Max is refused with std::invalid_argument.
    // Value and DefaultValue below the new Min move up to it (without OnChange).
    void SetMin(float Value);
    float Max() const { return FMax; }
    // Outside loading a Max below Min is refused with std::invalid_argument.
    void SetMax(float Value);
    float Value() const { return FValue; }
    void SetValue(float Value);
    float DefaultValue() const { return FDefaultValue; }
    void SetDefaultValue(float Value);
    float ScrollRange() const { return FScrollRange; }
    void SetScrollRange(float Value);  // 1 or more
    float WheelStep() const { return FWheelStep; }
    void SetWheelStep(float Value) { FWheelStep = Value; }
    float CurveMapping() const { return FCurveMapping; }
    void SetCurveMapping(float Value) { FCurveMapping = Value; }
    bool Wrap() const { return FWrap; }
    void SetWrap(bool Value) { FWrap = Value; }
    bool LockCursor() const { return FLockCursor; }
    void SetLockCursor(bool Value) { FLockCursor = Value; }

    // True from an accepted left press until its release.
    bool Dragging() const { return FDragging; }

    TNotifyEvent OnChange;

    int32_t ShownGlyph() const override;

protected:
    void MouseDown(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) override;
    void MouseMove(TShiftState Shift, int32_t X, int32_t Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) override;
    bool DoMouseWheel(TShiftState Shift, int32_t WheelDelta, TPoint MousePos) override;
    void Loaded() override;
    void CancelMode() override;

    // Moves Value by Delta (clamped, or wrapped with Wrap) through SetValue.
    void StepValue(double Delta);

private:
    float Clamp(float Value) const;
    float Fit(float Value) const;

    float FMin = 0.0f;
    float FMax = 100.0f;
    float FValue = 0.0f;
    float FDefaultValue = 0.0f;
    float FScrollRange = 400.0f;
    float FWheelStep = 1.0f;
    float FCurveMapping = 0.0f;
    bool FWrap = false;
    bool FLockCursor = false;
    bool FDragging = false;
    int32_t FLastY = 0;
};

}  // namespace kandrel::ui
