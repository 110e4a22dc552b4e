#include "ui/PngImage.h"

#include <array>
#include <algorithm>

#include "ui/Bitmap.h"
#include "ui/ResourceProvider.h"

namespace kandrel::ui {

namespace {

constexpr std::array<uint8_t, 8> kSignature = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};

int32_t ReadBigEndian32(const std::vector<uint8_t>& B, size_t At) {
    return static_cast<int32_t>(static_cast<uint32_t>(B[At]) << 24 | static_cast<uint32_t>(B[At + 1]) << 16 |
                                static_cast<uint32_t>(B[At + 2]) << 8 | static_cast<uint32_t>(B[At + 3]));
}

}  // namespace

TPngImage::TPngImage(std::vector<uint8_t> Bytes) : FBytes(std::move(Bytes)) {
    // Signature, then the first chunk must be IHDR: length, type, width, height.
    if (FBytes.size() < 24 || !std::equal(kSignature.begin(), kSignature.end(), FBytes.begin()) ||
        FBytes[12] != 'I' || FBytes[13] != 'H' || FBytes[14] != 'D' || FBytes[15] != 'R')
        throw EBitmapError("Not a PNG image");
    FWidth = ReadBigEndian32(FBytes, 16);
    FHeight = ReadBigEndian32(FBytes, 20);
    if (FWidth <= 0 || FHeight <= 0) throw EBitmapError("Bad PNG image size");
}

std::shared_ptr<TPngImage> TPngImage::FromResource(IResourceProvider& Resources, const std::string& Name) {
    std::vector<uint8_t> bytes = Resources.PngBytes(Name);
    if (bytes.empty()) throw EBitmapError("PNG resource \"" + Name + "\" not found");
    return std::make_shared<TPngImage>(std::move(bytes));
}

}  // namespace kandrel::ui
