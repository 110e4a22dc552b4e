// An RGB bitmap held in memory: pixel access, loading from the bytes of a BMP
// file or bitmap resource (uncompressed 24 bits per pixel, either row order),
// and an optional transparent colour (pixels of exactly that colour are not
// drawn). User-interface thread only.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

#include "ui/Image.h"
#include "ui/StyleColors.h"

namespace kandrel::ui {

class IResourceProvider;

// Thrown for bitmap bytes that are not a supported BMP, and for missing resources.
class EBitmapError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class TBitmap final : public TImage {
public:
    TBitmap() = default;
    // Width x Height pixels, all of colour Fill.
    TBitmap(int32_t AWidth, int32_t AHeight, TColor Fill = 0);

    TKind Kind() const override { return TKind::Bitmap; }
    int32_t Width() const override { return FWidth; }
    int32_t Height() const override { return FHeight; }
    uint64_t ContentVersion() const override { return FVersion; }

    // Replaces size and pixels with those of a BMP file's bytes: the file
    // header "BM" (optional: a resource's bytes start at the info header), a
    // 40-byte or larger info header, 24 bits per pixel, no compression. Throws
    // EBitmapError for anything else or for bytes that end too early.
    void LoadFromBmpBytes(std::span<const uint8_t> Bytes);
    // LoadFromBmpBytes of the provider's bitmap Name; EBitmapError when it has none.
    void LoadFromResource(IResourceProvider& Resources, const std::string& Name);

    // Pixel at column X, row Y (0, 0 at the top left). Throws std::out_of_range outside.
    TColor GetPixel(int32_t X, int32_t Y) const;
    void SetPixel(int32_t X, int32_t Y, TColor Color);
    // Every pixel of exactly From becomes To.
    void ReplaceColor(TColor From, TColor To);

    // Pixels of this colour are left out when the bitmap is drawn.
    std::optional<TColor> TransparentColor;

private:
    size_t IndexOf(int32_t X, int32_t Y) const;

    int32_t FWidth = 0;
    int32_t FHeight = 0;
    std::vector<TColor> FPixels;  // rows top first
    uint64_t FVersion = 1;
};

}  // namespace kandrel::ui
