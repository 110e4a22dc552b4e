// A list of small glyphs of one size (16 x 16 unless set otherwise), as speed
// buttons show them. User-interface thread only.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "ui/Bitmap.h"
#include "ui/Image.h"

namespace kandrel::ui {

class TImageList {
public:
    TImageList() = default;
    TImageList(int32_t AWidth, int32_t AHeight) : Width(AWidth), Height(AHeight) {}

    int32_t Width = 16;
    int32_t Height = 16;

    int32_t Count() const { return static_cast<int32_t>(FImages.size()); }
    // The image at Index; null outside the list.
    const TImage* Image(int32_t Index) const;
    // Adds Image and answers its index.
    int32_t Add(std::shared_ptr<const TImage> Image);
    // Adds a copy of Bitmap whose pixels of MaskColor are transparent.
    int32_t AddMasked(const TBitmap& Bitmap, TColor MaskColor);
    void Clear() { FImages.clear(); }

private:
    std::vector<std::shared_ptr<const TImage>> FImages;
};

}  // namespace kandrel::ui
