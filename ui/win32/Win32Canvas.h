// The canvas of the Win32 backend, painting into a back buffer: opaque fills
// and bitmap tiles are written straight into the buffer's pixels (exact, and
// the same on every system), shapes and images go through GDI+ (alpha,
// anti-aliased corners), frames and text through GDI on the same DC (GDI+
// finds no fonts under wine). One canvas serves one paint; it flushes
// everything when it is destroyed. User-interface thread.
#pragma once

#include <memory>
#include <vector>

#include "ui/win32/Win32Api.h"

#include "ui/Canvas.h"
#include "ui/CanvasState.h"
#include "ui/win32/BackBuffer.h"
#include "ui/win32/FontCache.h"
#include "ui/win32/GdiplusObject.h"

namespace kandrel::ui::win32 {

class TWin32Canvas final : public ICanvas {
public:
    // Paints into Buffer, limited to Clip (buffer coordinates).
    TWin32Canvas(TBackBuffer& Buffer, TFontCache& Fonts, const TRect& Clip);
    ~TWin32Canvas() override;

    void Save() override;
    void Restore() override;
    void Translate(int32_t DX, int32_t DY) override;
    void IntersectClip(const TRect& Rect) override;
    TRect ClipRect() const override;

    void FillRect(const TRect& Rect, TColor Color) override;
    void FillPattern(const TRect& Rect, const TImage& Tile, TPoint Origin) override;
    void RoundRect(const TRect& Rect, const TRoundRectStyle& Style) override;
    void FrameRect(const TRect& Rect, TColor PenColor, int32_t PenWidth) override;
    void DrawImage(const TImage& Image, const TRect& Source, const TRect& Dest, uint8_t Alpha) override;
    void DrawText(const std::string& Text, const TRect& Rect, const TFont& Font, TTextFlags Flags) override;
    TSize MeasureText(const std::string& Text, const TFont& Font) override;

private:
    // GDI+ drawing, clipped to the current clip; made on first use.
    Gdiplus::Graphics& Graphics();
    // Finishes pending GDI+ and GDI work before the pixels are touched directly.
    void Flush();
    // Runs Draw with the buffer's DC clipped to the current clip.
    template <class F>
    void WithClippedDc(F&& Draw);

    TBackBuffer& FBuffer;
    TFontCache& FFonts;
    TCanvasState FState;  // device coordinates: the back buffer's
    std::unique_ptr<TGdiplusObject<Gdiplus::Graphics>> FGraphics;
    bool FGraphicsClipValid = false;
};

}  // namespace kandrel::ui::win32
