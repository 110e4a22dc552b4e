// Reading the committed files of resources/ the way the plug-in's loaders see
// them: 24-bit bitmaps and 8-bit RGBA PNG strips, decoded to plain pixels.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kandrel::tests {

std::vector<uint8_t> ReadResourceFile(const std::string& FileName);

struct TRgb {
    uint8_t R, G, B;
    friend bool operator==(const TRgb&, const TRgb&) = default;
};

struct TRgba {
    uint8_t R, G, B, A;
};

// A BITMAPINFOHEADER bitmap with 24 bits per pixel and no compression; rows top
// first. Fails the calling test (ADD_FAILURE) and returns an empty picture
// when the file is anything else or is cut short.
struct TBitmap24 {
    int32_t Width = 0;
    int32_t Height = 0;
    std::vector<TRgb> Pixels;
    TRgb At(int32_t X, int32_t Y) const { return Pixels[static_cast<size_t>(Y) * Width + X]; }
};
TBitmap24 DecodeBitmap24(const std::vector<uint8_t>& File);

// The IHDR fields of a PNG, after checking the signature and the chunk's CRC.
struct TPngHeader {
    uint32_t Width = 0;
    uint32_t Height = 0;
    uint8_t BitDepth = 0;
    uint8_t ColorType = 0;
    uint8_t Interlace = 0;
};
TPngHeader ReadPngHeader(const std::vector<uint8_t>& File);

// A non-interlaced 8-bit RGBA PNG, decoded; every chunk's CRC is checked and
// the file must end with IEND.
struct TRgbaImage {
    int32_t Width = 0;
    int32_t Height = 0;
    std::vector<TRgba> Pixels;
    TRgba At(int32_t X, int32_t Y) const { return Pixels[static_cast<size_t>(Y) * Width + X]; }
};
TRgbaImage DecodePngRgba(const std::vector<uint8_t>& File);

}  // namespace kandrel::tests
