#include "ui/GuiStitchedPNGList.h"

#include <algorithm>

namespace kandrel::ui {

TRect TGuiStitchedPNGItem::FrameRect(int32_t Index) const {
    return StitchKind == TGuiStitchKind::skVertical ? TRect::FromBounds(0, Index * Height, Width, Height)
                                                    : TRect::FromBounds(Index * Width, 0, Width, Height);
}

const TGuiStitchedPNGItem* TGuiStitchedPNGList::Item(int32_t Index) const {
    if (Index < 0 || Index >= Count()) return nullptr;
    return &FItems[static_cast<size_t>(Index)];
}

int32_t TGuiStitchedPNGList::Add(TGuiStitchedPNGItem Item) {
    FItems.push_back(std::move(Item));
    return Count() - 1;
}

int32_t TGuiStitchedPNGList::Add(const std::string& DisplayName, std::shared_ptr<const TImage> Image,
                                 int32_t GlyphCount, TGuiStitchKind Kind) {
    TGuiStitchedPNGItem item;
    item.DisplayName = DisplayName;
    item.GlyphCount = std::max(GlyphCount, 1);
    item.StitchKind = Kind;
    if (Image) {
        item.Width = Kind == TGuiStitchKind::skVertical ? Image->Width() : Image->Width() / item.GlyphCount;
        item.Height = Kind == TGuiStitchKind::skVertical ? Image->Height() / item.GlyphCount : Image->Height();
    }
    item.Image = std::move(Image);
    return Add(std::move(item));
}

}  // namespace kandrel::ui
