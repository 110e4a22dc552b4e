#include "ui/ImageList.h"

namespace kandrel::ui {

const TImage* TImageList::Image(int32_t Index) const {
    if (Index < 0 || Index >= Count()) return nullptr;
    return FImages[static_cast<size_t>(Index)].get();
}

int32_t TImageList::Add(std::shared_ptr<const TImage> Image) {
    FImages.push_back(std::move(Image));
    return Count() - 1;
}

int32_t TImageList::AddMasked(const TBitmap& Bitmap, TColor MaskColor) {
    auto copy = std::make_shared<TBitmap>(Bitmap);
    copy->TransparentColor = MaskColor & 0xFFFFFF;
    return Add(std::move(copy));
}

}  // namespace kandrel::ui
