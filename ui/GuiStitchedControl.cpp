#include "ui/GuiStitchedControl.h"

namespace kandrel::ui {

TGuiStitchedControl::TGuiStitchedControl(TControl* AParent) : TControl(AParent) {}

void TGuiStitchedControl::SetImageList(TGuiStitchedPNGList* Value) { SetAndInvalidate(FImageList, Value); }

void TGuiStitchedControl::SetImageIndex(int32_t Value) { SetAndInvalidate(FImageIndex, Value); }

void TGuiStitchedControl::SetTransparent(bool Value) {
    SetAndInvalidate(FTransparent, Value);
}

void TGuiStitchedControl::SetColor(TColor Value) {
    SetAndInvalidate(FColor, Value);
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
