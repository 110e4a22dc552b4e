#include "ui/GuiStitchedControl.h"

namespace kandrel::ui {

TGuiStitchedControl::TGuiStitchedControl(TControl* AParent) : TControl(AParent) {}

void TGuiStitchedControl::SetImageList(TGuiStitchedPNGList* Value) {
    if (Value == FImageList) return;
    FImageList = Value;
    StripChanged();
    Invalidate();
}

void TGuiStitchedControl::SetImageIndex(int32_t Value) {
    if (Value == FImageIndex) return;
    FImageIndex = Value;
    StripChanged();
    Invalidate();
}

void TGuiStitchedControl::SetTransparent(bool Value) {
    if (Value == FTransparent) return;
    FTransparent = Value;
    Invalidate();
}

void TGuiStitchedControl::SetColor(TColor Value) {
    if (Value == FColor) return;
    FColor = Value;
    Invalidate();
}

const TGuiStitchedPNGItem* TGuiStitchedControl::Strip() const {
    return FImageList != nullptr ? FImageList->Item(FImageIndex) : nullptr;
}

int32_t TGuiStitchedControl::GlyphCount() const {
    const TGuiStitchedPNGItem* strip = Strip();
    return strip != nullptr ? strip->GlyphCount : 0;
}

void TGuiStitchedControl::Paint(ICanvas& Canvas) {
    if (!FTransparent) Canvas.FillRect(ClientRect(), FColor);
    const TGuiStitchedPNGItem* strip = Strip();
    const int32_t frame = ShownGlyph();
    if (strip == nullptr || !strip->Image || frame < 0 || frame >= strip->GlyphCount) return;
    Canvas.DrawImage(*strip->Image, strip->FrameRect(frame), TRect::FromBounds(0, 0, strip->Width, strip->Height));
}

}  // namespace kandrel::ui
