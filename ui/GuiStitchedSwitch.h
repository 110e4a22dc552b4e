// A switch drawn from an image strip: it shows frame GlyphIndex.
//
// Outside loading, writing GlyphIndex clamps it to [0, GlyphCount - 1] (-1
// when there is no strip) and, when it changed, repaints and fires OnChange.
// While loading the number is stored unchanged and no event fires.
// MouseDown, unless ReadOnly: the left button steps to the next frame (after
// the last comes frame 0), the right button to the previous one (before
// frame 0 the last); then OnMouseDown fires. With two frames every left or
// right press toggles.
// User-interface thread only.
#pragma once

#include <cstdint>

#include "ui/GuiStitchedControl.h"

namespace kandrel::ui {

class TGuiStitchedSwitch : public TGuiStitchedControl {
public:
    explicit TGuiStitchedSwitch(TControl* AParent = nullptr);

    int32_t GlyphIndex() const { return FGlyphIndex; }
    void SetGlyphIndex(int32_t Value);
    int32_t DefaultGlyphIndex() const { return FDefaultGlyphIndex; }
    void SetDefaultGlyphIndex(int32_t Value) { FDefaultGlyphIndex = Value; }
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool Value) { FReadOnly = Value; }

    TNotifyEvent OnChange;

    int32_t ShownGlyph() const override { return FGlyphIndex; }

protected:
    void MouseDown(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) override;

private:
    int32_t FGlyphIndex = 0;
    int32_t FDefaultGlyphIndex = 0;
    bool FReadOnly = false;
};

}  // namespace kandrel::ui
