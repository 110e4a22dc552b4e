// The GDI+ form of a widget-layer image: converted once when first drawn and
// kept in the image's BackendCache (again only when a bitmap's pixels changed).
// A bitmap's transparent colour becomes alpha 0; a PNG is decoded through a
// memory stream. Each native image holds a GDI+ session, so GDI+ outlives it.
// User-interface thread.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "ui/win32/Win32Api.h"

#include "ui/Image.h"
#include "ui/win32/GdiplusObject.h"
#include "ui/win32/GdiplusSession.h"

namespace kandrel::ui::win32 {

struct TNativeImage {
    TGdiplusSession Session;  // first member: destroyed last
    int32_t Width = 0;
    int32_t Height = 0;
    // Premultiplied 0xAARRGGBB, rows top first: what the bitmap below holds.
    std::vector<uint32_t> Pixels;
    bool Opaque = true;  // every pixel has alpha 255
    std::unique_ptr<TGdiplusObject<Gdiplus::Bitmap>> Bitmap;
};

// The native image of Image, made or renewed as needed. Throws
// ui::EBitmapError when a PNG cannot be decoded.
TNativeImage& NativeImageOf(const TImage& Image);

}  // namespace kandrel::ui::win32
