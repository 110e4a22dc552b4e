#include "ui/GuiPanel.h"

#include <algorithm>

namespace kandrel::ui {

TGuiPanel::TGuiPanel(TControl* AParent) : TControl(AParent) { SetBounds(0, 0, 185, 41); }

void TGuiPanel::SetPanelColor(TColor Value) { SetAndInvalidate(FPanelColor, Value); }
void TGuiPanel::SetAlpha(uint8_t Value) { SetAndInvalidate(FAlpha, Value); }
void TGuiPanel::SetBorderColor(TColor Value) { SetAndInvalidate(FBorderColor, Value); }
void TGuiPanel::SetBorderRadius(float Value) { SetAndInvalidate(FBorderRadius, std::max(Value, 0.0f)); }
void TGuiPanel::SetBorderWidth(float Value) { SetAndInvalidate(FBorderWidth, std::max(Value, 1.0f)); }
void TGuiPanel::SetBorderVisible(bool Value) { SetAndInvalidate(FBorderVisible, Value); }
void TGuiPanel::SetTransparent(bool Value) { SetAndInvalidate(FTransparent, Value); }
void TGuiPanel::SetNative(bool Value) { SetAndInvalidate(FNative, Value); }
void TGuiPanel::SetColor(TColor Value) { SetAndInvalidate(FColor, Value); }

float TGuiPanel::EffectiveBorderRadius() const {
    return std::min(FBorderRadius, static_cast<float>(std::min(Width(), Height())) / 2.0f);
}

void TGuiPanel::Paint(ICanvas& Canvas) {
    if (!FTransparent) Canvas.FillRect(ClientRect(), FColor);
    TRoundRectStyle style;
    style.Radius = EffectiveBorderRadius();
    style.FillColor = FPanelColor;
    style.FillAlpha = FAlpha;
    style.BorderVisible = FBorderVisible;
    style.BorderWidth = FBorderWidth;
    style.BorderColor = FBorderColor;
    Canvas.RoundRect(ClientRect(), style);
}

}  // namespace kandrel::ui
