#include "ui/GuiPanel.h"

#include <algorithm>

namespace kandrel::ui {

TGuiPanel::TGuiPanel(TControl* AParent) : TControl(AParent) { SetBounds(0, 0, 185, 41); }

template <class T>
void TGuiPanel::Change(T& Field, T Value) {
    if (Field == Value) return;
    Field = Value;
    Invalidate();
}

void TGuiPanel::SetPanelColor(TColor Value) { Change(FPanelColor, Value); }
void TGuiPanel::SetAlpha(uint8_t Value) { Change(FAlpha, Value); }
void TGuiPanel::SetBorderColor(TColor Value) { Change(FBorderColor, Value); }
void TGuiPanel::SetBorderRadius(float Value) { Change(FBorderRadius, std::max(Value, 0.0f)); }
void TGuiPanel::SetBorderWidth(float Value) { Change(FBorderWidth, std::max(Value, 1.0f)); }
void TGuiPanel::SetBorderVisible(bool Value) { Change(FBorderVisible, Value); }
void TGuiPanel::SetTransparent(bool Value) { Change(FTransparent, Value); }
void TGuiPanel::SetNative(bool Value) { Change(FNative, Value); }
void TGuiPanel::SetColor(TColor Value) { Change(FColor, Value); }

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
