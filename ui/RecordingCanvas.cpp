#include "ui/RecordingCanvas.h"

#include <stdexcept>

namespace kandrel::ui {

TRecordingCanvas::TRecordingCanvas(TRect Clip) : FState(Clip) {}

void TRecordingCanvas::Save() { FState.Save(); }

void TRecordingCanvas::Restore() {
    if (!FState.Restore()) throw std::logic_error("Canvas Restore without Save");
}

void TRecordingCanvas::Translate(int32_t DX, int32_t DY) { FState.Translate(DX, DY); }

void TRecordingCanvas::IntersectClip(const TRect& Rect) { FState.IntersectClip(Rect); }

TRect TRecordingCanvas::ClipRect() const { return FState.ClipRect(); }

void TRecordingCanvas::Record(TCanvasCall Call) {
    if (FState.DeviceClip().IsEmpty()) return;
    Call.Rect = FState.ToDevice(Call.Rect);
    Call.Clip = FState.DeviceClip();
    Calls.push_back(std::move(Call));
}

void TRecordingCanvas::FillRect(const TRect& Rect, TColor Color) {
    TCanvasCall c;
    c.Op = TCanvasCall::TOp::FillRect;
    c.Rect = Rect;
    c.Color = Color;
    Record(std::move(c));
}

void TRecordingCanvas::FillPattern(const TRect& Rect, const TImage& Tile, TPoint Origin) {
    TCanvasCall c;
    c.Op = TCanvasCall::TOp::FillPattern;
    c.Rect = Rect;
    c.Image = &Tile;
    c.Origin = {Origin.X + FState.Offset().X, Origin.Y + FState.Offset().Y};
    Record(std::move(c));
}

void TRecordingCanvas::RoundRect(const TRect& Rect, const TRoundRectStyle& Style) {
    TCanvasCall c;
    c.Op = TCanvasCall::TOp::RoundRect;
    c.Rect = Rect;
    c.Style = Style;
    Record(std::move(c));
}

void TRecordingCanvas::FrameRect(const TRect& Rect, TColor PenColor, int32_t PenWidth) {
    TCanvasCall c;
    c.Op = TCanvasCall::TOp::FrameRect;
    c.Rect = Rect;
    c.Color = PenColor;
    c.PenWidth = PenWidth;
    Record(std::move(c));
}

void TRecordingCanvas::DrawImage(const TImage& Image, const TRect& Source, const TRect& Dest, uint8_t Alpha) {
    TCanvasCall c;
    c.Op = TCanvasCall::TOp::DrawImage;
    c.Rect = Dest;
    c.Image = &Image;
    c.Source = Source;
    c.Alpha = Alpha;
    Record(std::move(c));
}

void TRecordingCanvas::DrawText(const std::string& Text, const TRect& Rect, const TFont& Font, TTextFlags Flags) {
    TCanvasCall c;
    c.Op = TCanvasCall::TOp::DrawText;
    c.Rect = Rect;
    c.Text = Text;
    c.Font = Font;
    c.Flags = Flags;
    Record(std::move(c));
}

TSize TRecordingCanvas::MeasureText(const std::string& Text, const TFont& Font) {
    int32_t characters = 0;
    for (const char ch : Text)
        if ((static_cast<unsigned char>(ch) & 0xC0) != 0x80) ++characters;  // count lead bytes only
    return {characters * (Font.Height / 2), Font.Height};
}

}  // namespace kandrel::ui
