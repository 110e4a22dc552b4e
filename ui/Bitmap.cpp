#include "ui/Bitmap.h"

#include <algorithm>

#include "ui/ResourceProvider.h"

namespace kandrel::ui {

namespace {

uint32_t ReadU32(std::span<const uint8_t> B, size_t At) {
    return static_cast<uint32_t>(B[At]) | static_cast<uint32_t>(B[At + 1]) << 8 |
           static_cast<uint32_t>(B[At + 2]) << 16 | static_cast<uint32_t>(B[At + 3]) << 24;
}
uint16_t ReadU16(std::span<const uint8_t> B, size_t At) {
    return static_cast<uint16_t>(B[At] | B[At + 1] << 8);
}

// Keeps hostile sizes from allocating without bound before the byte count is checked.
constexpr int64_t kMaxSide = 32768;

}  // namespace

TBitmap::TBitmap(int32_t AWidth, int32_t AHeight, TColor Fill)
    : FWidth(std::max(AWidth, 0)),
      FHeight(std::max(AHeight, 0)),
      FPixels(static_cast<size_t>(FWidth) * static_cast<size_t>(FHeight), Fill) {}

void TBitmap::LoadFromBmpBytes(std::span<const uint8_t> Bytes) {
    size_t info = 0;        // where the info header starts
    size_t dataStart = 0;   // 0: right after the info header
    if (Bytes.size() >= 2 && Bytes[0] == 'B' && Bytes[1] == 'M') {
        if (Bytes.size() < 14) throw EBitmapError("Bitmap file header is truncated");
        info = 14;
        dataStart = ReadU32(Bytes, 10);
    }
    if (Bytes.size() < info + 40) throw EBitmapError("Bitmap header is truncated");
    const uint32_t headerSize = ReadU32(Bytes, info);
    if (headerSize < 40) throw EBitmapError("Unsupported bitmap header");
    const int32_t width = static_cast<int32_t>(ReadU32(Bytes, info + 4));
    const int32_t rawHeight = static_cast<int32_t>(ReadU32(Bytes, info + 8));
    const uint16_t bitCount = ReadU16(Bytes, info + 14);
    const uint32_t compression = ReadU32(Bytes, info + 16);
    if (bitCount != 24 || compression != 0) throw EBitmapError("Only uncompressed 24-bit bitmaps are supported");
    const bool topDown = rawHeight < 0;
    const int64_t height = topDown ? -static_cast<int64_t>(rawHeight) : rawHeight;
    if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide)
        throw EBitmapError("Bad bitmap size");
    if (dataStart == 0) dataStart = info + headerSize;
    const size_t stride = (static_cast<size_t>(width) * 3 + 3) & ~static_cast<size_t>(3);
    const size_t needed = stride * static_cast<size_t>(height);
    if (dataStart > Bytes.size() || Bytes.size() - dataStart < needed - (stride - static_cast<size_t>(width) * 3))
        throw EBitmapError("Bitmap pixel data is truncated");

    std::vector<TColor> pixels(static_cast<size_t>(width) * static_cast<size_t>(height));
    for (int64_t row = 0; row < height; ++row) {
        const size_t src = dataStart + stride * static_cast<size_t>(row);
        const int64_t y = topDown ? row : height - 1 - row;
        for (int32_t x = 0; x < width; ++x) {
            const size_t p = src + static_cast<size_t>(x) * 3;  // blue, green, red
            pixels[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)] =
                RGB(Bytes[p + 2], Bytes[p + 1], Bytes[p]);
        }
    }
    FWidth = width;
    FHeight = static_cast<int32_t>(height);
    FPixels = std::move(pixels);
    ++FVersion;
}

void TBitmap::LoadFromResource(IResourceProvider& Resources, const std::string& Name) {
    const std::vector<uint8_t> bytes = Resources.BitmapBytes(Name);
    if (bytes.empty()) throw EBitmapError("Bitmap resource \"" + Name + "\" not found");
    LoadFromBmpBytes(bytes);
}

size_t TBitmap::IndexOf(int32_t X, int32_t Y) const {
    if (X < 0 || Y < 0 || X >= FWidth || Y >= FHeight) throw std::out_of_range("Pixel outside the bitmap");
    return static_cast<size_t>(Y) * static_cast<size_t>(FWidth) + static_cast<size_t>(X);
}

TColor TBitmap::GetPixel(int32_t X, int32_t Y) const { return FPixels[IndexOf(X, Y)]; }

void TBitmap::SetPixel(int32_t X, int32_t Y, TColor Color) {
    FPixels[IndexOf(X, Y)] = Color & 0xFFFFFF;
    ++FVersion;
}

void TBitmap::ReplaceColor(TColor From, TColor To) {
    std::replace(FPixels.begin(), FPixels.end(), From & 0xFFFFFF, To & 0xFFFFFF);
    ++FVersion;
}

}  // namespace kandrel::ui
