// The image strips of the dials and switches: each strip is one image holding
// GlyphCount frames of Width x Height pixels, stacked top to bottom
// (vertical) or side by side (horizontal). User-interface thread only.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "ui/Image.h"
#include "ui/UiTypes.h"

namespace kandrel::ui {

enum class TGuiStitchKind : uint8_t { skVertical, skHorizontal };

struct TGuiStitchedPNGItem {
    std::string DisplayName;
    int32_t GlyphCount = 1;
    TGuiStitchKind StitchKind = TGuiStitchKind::skVertical;
    int32_t Width = 0;   // of one frame
    int32_t Height = 0;  // of one frame
    std::shared_ptr<const TImage> Image;

    // Where frame Index lies in Image (no range check).
    TRect FrameRect(int32_t Index) const;
};

class TGuiStitchedPNGList {
public:
    int32_t Count() const { return static_cast<int32_t>(FItems.size()); }
    // The strip at Index; null outside the list.
    const TGuiStitchedPNGItem* Item(int32_t Index) const;
    // Appends a strip; Width and Height are one frame's size. Answers its index.
    int32_t Add(TGuiStitchedPNGItem Item);
    // Appends Image cut into GlyphCount frames along Kind (the frame size is
    // derived from the image's size). Answers its index.
    int32_t Add(const std::string& DisplayName, std::shared_ptr<const TImage> Image, int32_t GlyphCount,
                TGuiStitchKind Kind = TGuiStitchKind::skVertical);

private:
    std::vector<TGuiStitchedPNGItem> FItems;
};

}  // namespace kandrel::ui
