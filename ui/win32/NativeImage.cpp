#include "ui/win32/NativeImage.h"

#include <cstring>

#include "ui/Bitmap.h"
#include "ui/PngImage.h"

namespace kandrel::ui::win32 {

namespace {

void FromBitmap(const TBitmap& Source, TNativeImage& Out) {
    Out.Pixels.resize(static_cast<size_t>(Out.Width) * static_cast<size_t>(Out.Height));
    size_t i = 0;
    for (int32_t y = 0; y < Out.Height; ++y)
        for (int32_t x = 0; x < Out.Width; ++x) {
            const TColor c = Source.GetPixel(x, y);
            const bool clear = Source.TransparentColor && *Source.TransparentColor == c;
            Out.Pixels[i++] = clear ? 0u : (0xFF000000u | (c & 0x00FFFFFFu));
            if (clear) Out.Opaque = false;
        }
}

// GDI+ may read a stream lazily, so the pixels are copied out while the stream
// still lives.
void FromPng(const TPngImage& Source, TNativeImage& Out) {
    const auto bytes = Source.Bytes();
    IStream* stream = SHCreateMemStream(bytes.data(), static_cast<UINT>(bytes.size()));
    if (stream == nullptr) throw EBitmapError("PNG image: no memory for its stream");
    bool ok = false;
    {
        TGdiplusObject<Gdiplus::Bitmap> decoded(stream);
        Gdiplus::BitmapData data{};
        Gdiplus::Rect all(0, 0, Out.Width, Out.Height);
        ok = decoded->GetLastStatus() == Gdiplus::Ok && static_cast<int32_t>(decoded->GetWidth()) == Out.Width &&
             static_cast<int32_t>(decoded->GetHeight()) == Out.Height &&
             decoded->LockBits(&all, Gdiplus::ImageLockModeRead, PixelFormat32bppPARGB, &data) == Gdiplus::Ok;
        if (ok) {
            Out.Pixels.resize(static_cast<size_t>(Out.Width) * static_cast<size_t>(Out.Height));
            for (int32_t y = 0; y < Out.Height; ++y)
                std::memcpy(&Out.Pixels[static_cast<size_t>(y) * static_cast<size_t>(Out.Width)],
                            static_cast<const uint8_t*>(data.Scan0) + static_cast<ptrdiff_t>(y) * data.Stride,
                            static_cast<size_t>(Out.Width) * 4);
            decoded->UnlockBits(&data);
        }
    }
    stream->Release();
    if (!ok) throw EBitmapError("PNG image: GDI+ cannot decode it");
    for (uint32_t p : Out.Pixels)
        if ((p >> 24) != 0xFF) {
            Out.Opaque = false;
            break;
        }
}

std::shared_ptr<TNativeImage> Convert(const TImage& Image) {
    auto native = std::make_shared<TNativeImage>();
    native->Width = Image.Width();
    native->Height = Image.Height();
    if (native->Width <= 0 || native->Height <= 0) return native;
    if (const TBitmap* bitmap = Image.AsBitmap())
        FromBitmap(*bitmap, *native);
    else if (const TPngImage* png = Image.AsPng())
        FromPng(*png, *native);
    // The bitmap reads the pixel vector in place; the vector never changes size again.
    native->Bitmap = std::make_unique<TGdiplusObject<Gdiplus::Bitmap>>(
        native->Width, native->Height, native->Width * 4, PixelFormat32bppPARGB,
        reinterpret_cast<BYTE*>(native->Pixels.data()));
    return native;
}

}  // namespace

TNativeImage& NativeImageOf(const TImage& Image) {
    if (!Image.BackendCache || Image.BackendCacheVersion != Image.ContentVersion()) {
        Image.BackendCache = Convert(Image);
        Image.BackendCacheVersion = Image.ContentVersion();
    }
    return *std::static_pointer_cast<TNativeImage>(Image.BackendCache);
}

}  // namespace kandrel::ui::win32
