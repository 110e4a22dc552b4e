#include "ui/win32/Win32Canvas.h"

#include <algorithm>

#include "common/win32/WideText.h"
#include "ui/win32/NativeImage.h"

namespace kandrel::ui::win32 {

namespace {

COLORREF ToColorRef(TColor Color) {
    return static_cast<COLORREF>(RedOf(Color)) | (static_cast<COLORREF>(GreenOf(Color)) << 8) |
           (static_cast<COLORREF>(BlueOf(Color)) << 16);
}

Gdiplus::Color ToGdiplus(TColor Color, uint8_t Alpha) {
    return Gdiplus::Color(Alpha, RedOf(Color), GreenOf(Color), BlueOf(Color));
}

// Non-negative remainder, for tile positions left of or above the origin.
int32_t Wrap(int32_t Value, int32_t Size) {
    const int32_t r = Value % Size;
    return r < 0 ? r + Size : r;
}

void AddRoundRect(Gdiplus::GraphicsPath& Path, float X, float Y, float W, float H, float Radius) {
    if (Radius <= 0.0f) {
        Path.AddRectangle(Gdiplus::RectF(X, Y, W, H));
        return;
    }
    const float d = 2.0f * Radius;
    Path.AddArc(X, Y, d, d, 180.0f, 90.0f);
    Path.AddArc(X + W - d, Y, d, d, 270.0f, 90.0f);
    Path.AddArc(X + W - d, Y + H - d, d, d, 0.0f, 90.0f);
    Path.AddArc(X, Y + H - d, d, d, 90.0f, 90.0f);
    Path.CloseFigure();
}

}  // namespace

TWin32Canvas::TWin32Canvas(TBackBuffer& Buffer, TFontCache& Fonts, const TRect& Clip)
    : FBuffer(Buffer), FFonts(Fonts), FState(Clip.Intersect({0, 0, Buffer.Size().Width, Buffer.Size().Height})) {}

TWin32Canvas::~TWin32Canvas() {
    Flush();
    FGraphics.reset();
}

// --- state

void TWin32Canvas::Save() { FState.Save(); }

void TWin32Canvas::Restore() {
    if (FState.Restore()) FGraphicsClipValid = false;
}

void TWin32Canvas::Translate(int32_t DX, int32_t DY) { FState.Translate(DX, DY); }

void TWin32Canvas::IntersectClip(const TRect& Rect) {
    FState.IntersectClip(Rect);
    FGraphicsClipValid = false;
}

TRect TWin32Canvas::ClipRect() const { return FState.ClipRect(); }

Gdiplus::Graphics& TWin32Canvas::Graphics() {
    if (!FGraphics) {
        FGraphics = std::make_unique<TGdiplusObject<Gdiplus::Graphics>>(FBuffer.Dc());
        // Whole-pixel coordinates then lie on pixel edges, as GDI's do.
        (*FGraphics)->SetPixelOffsetMode(Gdiplus::PixelOffsetModeHalf);
        (*FGraphics)->SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
        FGraphicsClipValid = false;
    }
    if (!FGraphicsClipValid) {
        const TRect& c = FState.DeviceClip();
        (*FGraphics)->SetClip(Gdiplus::Rect(c.Left, c.Top, c.Width(), c.Height()));
        FGraphicsClipValid = true;
    }
    return **FGraphics;
}

void TWin32Canvas::Flush() {
    if (FGraphics) (*FGraphics)->Flush(Gdiplus::FlushIntentionSync);
    GdiFlush();
}

template <class F>
void TWin32Canvas::WithClippedDc(F&& Draw) {
    const TRect& c = FState.DeviceClip();
    if (c.IsEmpty()) return;
    Flush();
    HDC dc = FGraphics ? (*FGraphics)->GetHDC() : FBuffer.Dc();
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, c.Left, c.Top, c.Right, c.Bottom);
    Draw(dc);
    RestoreDC(dc, saved);
    if (FGraphics) (*FGraphics)->ReleaseHDC(dc);
    GdiFlush();
}

// --- drawing

void TWin32Canvas::FillRect(const TRect& Rect, TColor Color) {
    const TRect r = FState.ToDevice(Rect).Intersect(FState.DeviceClip());
    if (r.IsEmpty()) return;
    Flush();
    const uint32_t pixel = 0xFF000000u | (Color & 0x00FFFFFFu);
    const int32_t stride = FBuffer.Size().Width;
    for (int32_t y = r.Top; y < r.Bottom; ++y)
        std::fill_n(FBuffer.Bits() + static_cast<ptrdiff_t>(y) * stride + r.Left, r.Width(), pixel);
}

void TWin32Canvas::FillPattern(const TRect& Rect, const TImage& Tile, TPoint Origin) {
    const TRect r = FState.ToDevice(Rect).Intersect(FState.DeviceClip());
    if (r.IsEmpty()) return;
    TNativeImage& tile = NativeImageOf(Tile);
    if (tile.Width <= 0 || tile.Height <= 0 || !tile.Bitmap) return;
    const int32_t originX = Origin.X + FState.Offset().X;
    const int32_t originY = Origin.Y + FState.Offset().Y;
    if (tile.Opaque) {
        Flush();
        const int32_t stride = FBuffer.Size().Width;
        for (int32_t y = r.Top; y < r.Bottom; ++y) {
            const uint32_t* row = &tile.Pixels[static_cast<size_t>(Wrap(y - originY, tile.Height)) *
                                               static_cast<size_t>(tile.Width)];
            uint32_t* out = FBuffer.Bits() + static_cast<ptrdiff_t>(y) * stride;
            for (int32_t x = r.Left; x < r.Right; ++x) out[x] = row[Wrap(x - originX, tile.Width)];
        }
        return;
    }
    // A tile with transparent pixels blends over what is there.
    TGdiplusObject<Gdiplus::TextureBrush> brush(tile.Bitmap->get(), Gdiplus::WrapModeTile);
    brush->TranslateTransform(static_cast<Gdiplus::REAL>(originX), static_cast<Gdiplus::REAL>(originY));
    Graphics().FillRectangle(brush.get(), Gdiplus::Rect(r.Left, r.Top, r.Width(), r.Height()));
}

void TWin32Canvas::RoundRect(const TRect& Rect, const TRoundRectStyle& Style) {
    const TRect b = FState.ToDevice(Rect);
    if (b.IsEmpty() || b.Intersect(FState.DeviceClip()).IsEmpty()) return;
    const auto x = static_cast<float>(b.Left);
    const auto y = static_cast<float>(b.Top);
    const auto w = static_cast<float>(b.Width());
    const auto h = static_cast<float>(b.Height());
    const float radius = std::clamp(Style.Radius, 0.0f, std::min(w, h) / 2.0f);
    Gdiplus::Graphics& g = Graphics();
    if (Style.FillAlpha > 0) {
        TGdiplusObject<Gdiplus::GraphicsPath> path;
        AddRoundRect(*path, x, y, w, h, radius);
        TGdiplusObject<Gdiplus::SolidBrush> brush(ToGdiplus(Style.FillColor, Style.FillAlpha));
        g.FillPath(brush.get(), path.get());
    }
    if (Style.BorderVisible) {
        // The pen runs inside the edge: its centre line is half its width in.
        const float width = std::min(std::max(Style.BorderWidth, 1.0f), std::min(w, h) / 2.0f);
        const float inset = width / 2.0f;
        TGdiplusObject<Gdiplus::GraphicsPath> path;
        AddRoundRect(*path, x + inset, y + inset, w - width, h - width, std::max(radius - inset, 0.0f));
        TGdiplusObject<Gdiplus::Pen> pen(ToGdiplus(Style.BorderColor, 255), width);
        g.DrawPath(pen.get(), path.get());
    }
}

void TWin32Canvas::FrameRect(const TRect& Rect, TColor PenColor, int32_t PenWidth) {
    const TRect b = FState.ToDevice(Rect);
    if (b.IsEmpty()) return;
    WithClippedDc([&](HDC Dc) {
        HPEN pen = CreatePen(PS_SOLID, std::max(PenWidth, 1), ToColorRef(PenColor));
        if (pen == nullptr) return;
        HGDIOBJ oldPen = SelectObject(Dc, pen);
        HGDIOBJ oldBrush = SelectObject(Dc, GetStockObject(NULL_BRUSH));
        Rectangle(Dc, b.Left, b.Top, b.Right, b.Bottom);
        SelectObject(Dc, oldBrush);
        SelectObject(Dc, oldPen);
        DeleteObject(pen);
    });
}

void TWin32Canvas::DrawImage(const TImage& Image, const TRect& Source, const TRect& Dest, uint8_t Alpha) {
    const TRect d = FState.ToDevice(Dest);
    if (d.IsEmpty() || Source.IsEmpty() || Alpha == 0 || d.Intersect(FState.DeviceClip()).IsEmpty()) return;
    TNativeImage& image = NativeImageOf(Image);
    if (!image.Bitmap) return;
    Gdiplus::Graphics& g = Graphics();
    const bool sameSize = d.Width() == Source.Width() && d.Height() == Source.Height();
    g.SetInterpolationMode(sameSize ? Gdiplus::InterpolationModeNearestNeighbor
                                    : Gdiplus::InterpolationModeHighQualityBicubic);
    const Gdiplus::Rect dest(d.Left, d.Top, d.Width(), d.Height());
    if (Alpha == 255) {
        g.DrawImage(image.Bitmap->get(), dest, Source.Left, Source.Top, Source.Width(), Source.Height(),
                    Gdiplus::UnitPixel);
        return;
    }
    Gdiplus::ColorMatrix matrix{};
    for (int i = 0; i < 5; ++i) matrix.m[i][i] = 1.0f;
    matrix.m[3][3] = static_cast<Gdiplus::REAL>(Alpha) / 255.0f;
    TGdiplusObject<Gdiplus::ImageAttributes> attributes;
    attributes->SetColorMatrix(&matrix);
    g.DrawImage(image.Bitmap->get(), dest, Source.Left, Source.Top, Source.Width(), Source.Height(),
                Gdiplus::UnitPixel, attributes.get());
}

void TWin32Canvas::DrawText(const std::string& Text, const TRect& Rect, const TFont& Font, TTextFlags Flags) {
    if (Text.empty()) return;
    const std::wstring wide = kandrel::win32::Widen(Text);
    RECT r{};
    const TRect b = FState.ToDevice(Rect);
    SetRect(&r, b.Left, b.Top, b.Right, b.Bottom);
    WithClippedDc([&](HDC Dc) {
        HGDIOBJ oldFont = SelectObject(Dc, FFonts.FontOf(Font));
        const int oldMode = SetBkMode(Dc, TRANSPARENT);
        const COLORREF oldColor = SetTextColor(Dc, ToColorRef(Font.Color));
        ::DrawTextW(Dc, wide.c_str(), static_cast<int>(wide.size()), &r, Flags);
        SetTextColor(Dc, oldColor);
        SetBkMode(Dc, oldMode);
        SelectObject(Dc, oldFont);
    });
}

TSize TWin32Canvas::MeasureText(const std::string& Text, const TFont& Font) {
    return FFonts.Measure(FBuffer.Dc(), Text, Font);
}

}  // namespace kandrel::ui::win32
