// A PNG image (with alpha) kept as its encoded bytes. The layer reads only its
// size from the header; the backend decodes it when it first draws it (see
// Image.h). User-interface thread only.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "ui/Image.h"

namespace kandrel::ui {

class IResourceProvider;

class TPngImage final : public TImage {
public:
    // Throws EBitmapError when Bytes do not start with a PNG signature and header.
    explicit TPngImage(std::vector<uint8_t> Bytes);
    // The provider's PNG Name; EBitmapError when it has none.
    static std::shared_ptr<TPngImage> FromResource(IResourceProvider& Resources, const std::string& Name);

    TKind Kind() const override { return TKind::Png; }
    int32_t Width() const override { return FWidth; }
    int32_t Height() const override { return FHeight; }
    std::span<const uint8_t> Bytes() const { return FBytes; }

private:
    std::vector<uint8_t> FBytes;
    int32_t FWidth = 0;
    int32_t FHeight = 0;
};

}  // namespace kandrel::ui
