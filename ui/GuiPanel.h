// A rounded, alpha-blended panel. It paints a rounded rectangle over its
// whole client area: corner radius BorderRadius (limited to half the shorter
// side when painted), filled with PanelColor at opacity Alpha, outlined
// BorderWidth pixels wide (at least 1) in BorderColor when BorderVisible.
// With Transparent the parent's image shows around the corners and through
// the fill; otherwise the area is first filled with Color. Changing any of
// these repaints. Native is kept for the layouts; the drawing is the same.
// User-interface thread only.
#pragma once

#include <cstdint>

#include "ui/Control.h"

namespace kandrel::ui {

class TGuiPanel : public TControl {
public:
    explicit TGuiPanel(TControl* AParent = nullptr);

    TColor PanelColor() const { return FPanelColor; }
    void SetPanelColor(TColor Value);
    uint8_t Alpha() const { return FAlpha; }
    void SetAlpha(uint8_t Value);
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor Value);
    float BorderRadius() const { return FBorderRadius; }
    void SetBorderRadius(float Value);  // negative counts as 0
    float BorderWidth() const { return FBorderWidth; }
    void SetBorderWidth(float Value);   // below 1 counts as 1
    bool BorderVisible() const { return FBorderVisible; }
    void SetBorderVisible(bool Value);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool Value);
    bool Native() const { return FNative; }
    void SetNative(bool Value);
    // The background behind the panel when it is not transparent.
    TColor Color() const { return FColor; }
    void SetColor(TColor Value);

    // The radius actually drawn at the current size.
    float EffectiveBorderRadius() const;

    void Paint(ICanvas& Canvas) override;

private:
    TColor FPanelColor = 0x808080;
    uint8_t FAlpha = 255;
    TColor FBorderColor = 0;
    float FBorderRadius = 0.0f;
    float FBorderWidth = 1.0f;
    bool FBorderVisible = true;
    bool FTransparent = false;
    bool FNative = false;
    TColor FColor = 0xF0F0F0;
};

}  // namespace kandrel::ui
