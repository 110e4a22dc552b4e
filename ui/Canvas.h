// The drawing surface handed to TControl::Paint.
//
// Coordinates are those of the control being painted: the window translates
// the canvas to each control's top-left corner and clips it to the control
// before calling its Paint (Save, Translate, IntersectClip ... Restore).
// A backend implements this on its back buffer; tests use TRecordingCanvas.
// User-interface thread only.
#pragma once

#include <cstdint>
#include <string>

#include "ui/Image.h"
#include "ui/StyleColors.h"
#include "ui/UiTypes.h"

namespace kandrel::ui {

struct TFont {
    std::string Name = "Segoe UI";
    int32_t Height = 12;  // character height in pixels
    bool Bold = false;
    TColor Color = 0;     // text colour
    friend bool operator==(const TFont&, const TFont&) = default;
};

// Text placement flags for DrawText. Horizontal: left (0), centre, right.
// The values equal those of the Win32 text-drawing flags, so the backend may
// pass them on unchanged.
using TTextFlags = uint32_t;
inline constexpr TTextFlags tfLeft = 0x0000;
inline constexpr TTextFlags tfCenter = 0x0001;
inline constexpr TTextFlags tfRight = 0x0002;
inline constexpr TTextFlags tfVCenter = 0x0004;    // with tfSingleLine
inline constexpr TTextFlags tfSingleLine = 0x0020;
inline constexpr TTextFlags tfNoPrefix = 0x0800;   // "&" is an ordinary character
inline constexpr TTextFlags tfEndEllipsis = 0x8000;

// A rounded rectangle filling Rect: the inside in FillColor at opacity
// FillAlpha (0 transparent .. 255 opaque), the outline BorderWidth pixels wide
// inside Rect's edge in BorderColor (opaque) when BorderVisible. Radius is the
// corner radius in pixels (0: square corners).
struct TRoundRectStyle {
    float Radius = 0.0f;
    TColor FillColor = 0;
    uint8_t FillAlpha = 255;
    bool BorderVisible = false;
    float BorderWidth = 1.0f;
    TColor BorderColor = 0;
    friend bool operator==(const TRoundRectStyle&, const TRoundRectStyle&) = default;
};

class ICanvas {
public:
    virtual ~ICanvas() = default;

    // --- state: Save pushes the translation and the clip, Restore pops them
    virtual void Save() = 0;
    virtual void Restore() = 0;
    // Moves the coordinate origin by (DX, DY) in the current coordinates.
    virtual void Translate(int32_t DX, int32_t DY) = 0;
    // Narrows the clip to Rect (current coordinates).
    virtual void IntersectClip(const TRect& Rect) = 0;
    // The current clip in current coordinates: what a paint may touch.
    virtual TRect ClipRect() const = 0;

    // --- drawing (nothing outside the clip changes)
    // Opaque fill.
    virtual void FillRect(const TRect& Rect, TColor Color) = 0;
    // Fills Rect with Tile repeated in both directions, one copy's top-left at
    // Origin (current coordinates), so partial repaints continue the pattern.
    virtual void FillPattern(const TRect& Rect, const TImage& Tile, TPoint Origin) = 0;
    virtual void RoundRect(const TRect& Rect, const TRoundRectStyle& Style) = 0;
    // A rectangle outlined with a pen PenWidth pixels wide in PenColor, the
    // pen centred on Rect's edges as a system pen draws (so width 1 covers the
    // pixels from Left/Top to Right-1/Bottom-1); the inside is not filled.
    virtual void FrameRect(const TRect& Rect, TColor PenColor, int32_t PenWidth) = 0;
    // Copies Source (image pixels) of Image onto Dest, scaled when the sizes
    // differ, at opacity Alpha (255 opaque), honouring the image's own alpha
    // and a bitmap's transparent colour.
    virtual void DrawImage(const TImage& Image, const TRect& Source, const TRect& Dest, uint8_t Alpha = 255) = 0;
    // Text (UTF-8) in Font (its colour) inside Rect, placed by Flags, with a
    // transparent background.
    virtual void DrawText(const std::string& Text, const TRect& Rect, const TFont& Font, TTextFlags Flags) = 0;
    // The size of Text drawn on one line in Font.
    virtual TSize MeasureText(const std::string& Text, const TFont& Font) = 0;
};

}  // namespace kandrel::ui
