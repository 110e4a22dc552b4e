// The images the canvas draws. Two kinds exist: TBitmap (pixels held by the
// layer, loaded from 24-bit BMP bytes or built in code, with an optional
// transparent colour) and TPngImage (PNG bytes with alpha, decoded by the
// backend when it first draws them).
//
// Backend contract: ICanvas::DrawImage and FillPattern receive a TImage.
// Switch on Kind(); convert the image into a native one once and keep it in
// BackendCache together with ContentVersion(); convert again only when
// ContentVersion() changed (a TBitmap's pixels were modified).
//
// User-interface thread only.
#pragma once

#include <cstdint>
#include <memory>

namespace kandrel::ui {

class TBitmap;
class TPngImage;

class TImage {
public:
    enum class TKind : uint8_t { Bitmap, Png };

    virtual ~TImage() = default;
    virtual TKind Kind() const = 0;
    virtual int32_t Width() const = 0;
    virtual int32_t Height() const = 0;
    // Changes whenever the pixels change (always 0 for images that cannot change).
    virtual uint64_t ContentVersion() const { return 0; }

    const TBitmap* AsBitmap() const;
    const TPngImage* AsPng() const;

    // The backend's converted form of this image, owned here so that it lives
    // exactly as long as the image. The layer never touches it.
    mutable std::shared_ptr<void> BackendCache;
    mutable uint64_t BackendCacheVersion = 0;

protected:
    TImage() = default;
    TImage(const TImage&) {}  // a copy starts without a cache
    TImage& operator=(const TImage&) { BackendCache.reset(); BackendCacheVersion = 0; return *this; }
};

}  // namespace kandrel::ui
