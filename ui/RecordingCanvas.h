// A canvas that draws nothing and records every drawing call as data, with
// its rectangles in window coordinates (the translation applied) and the clip
// in force. For tests of painting code. Text is measured with a fixed metric:
// each character (code point) is Font.Height / 2 pixels wide, the line
// Font.Height high. User-interface thread only.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "ui/Canvas.h"
#include "ui/CanvasState.h"

namespace kandrel::ui {

struct TCanvasCall {
    enum class TOp : uint8_t { FillRect, FillPattern, RoundRect, FrameRect, DrawImage, DrawText };
    TOp Op = TOp::FillRect;
    TRect Rect;              // window coordinates (Dest for DrawImage)
    TRect Clip;              // window coordinates
    TColor Color = 0;        // FillRect, FrameRect (pen)
    int32_t PenWidth = 0;    // FrameRect
    TRoundRectStyle Style;   // RoundRect
    const TImage* Image = nullptr;  // FillPattern, DrawImage
    TPoint Origin;           // FillPattern, window coordinates
    TRect Source;            // DrawImage
    uint8_t Alpha = 255;     // DrawImage
    std::string Text;        // DrawText
    TFont Font;              // DrawText
    TTextFlags Flags = 0;    // DrawText
};

class TRecordingCanvas final : public ICanvas {
public:
    // Clip: the area being painted, in window coordinates.
    explicit TRecordingCanvas(TRect Clip = {0, 0, 10000, 10000});

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

    // Calls whose clip is not empty (calls into an empty clip draw nothing).
    std::vector<TCanvasCall> Calls;
    // The translation and clip now in force (window coordinates).
    TPoint Offset() const { return FState.Offset(); }

private:
    void Record(TCanvasCall Call);

    TCanvasState FState;
};

}  // namespace kandrel::ui
