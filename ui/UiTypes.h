// Geometry, mouse and cursor types of the widget layer. Coordinates are whole
// pixels; a rectangle's Right and Bottom lie just outside it (a 10 x 10
// rectangle at the origin is {0, 0, 10, 10}).
// Plain values: any thread may use them.
#pragma once

#include <algorithm>
#include <cstdint>

namespace kandrel::ui {

struct TPoint {
    int32_t X = 0;
    int32_t Y = 0;
    friend constexpr bool operator==(const TPoint&, const TPoint&) = default;
};

struct TSize {
    int32_t Width = 0;
    int32_t Height = 0;
    friend constexpr bool operator==(const TSize&, const TSize&) = default;
};

struct TRect {
    int32_t Left = 0;
    int32_t Top = 0;
    int32_t Right = 0;
    int32_t Bottom = 0;

    static constexpr TRect FromBounds(int32_t ALeft, int32_t ATop, int32_t AWidth, int32_t AHeight) {
        return {ALeft, ATop, ALeft + AWidth, ATop + AHeight};
    }
    constexpr int32_t Width() const { return Right - Left; }
    constexpr int32_t Height() const { return Bottom - Top; }
    constexpr bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
    constexpr bool Contains(TPoint P) const { return P.X >= Left && P.X < Right && P.Y >= Top && P.Y < Bottom; }
    constexpr TRect Offset(int32_t DX, int32_t DY) const { return {Left + DX, Top + DY, Right + DX, Bottom + DY}; }
    // The common part; an empty result is normalised to {0, 0, 0, 0}.
    constexpr TRect Intersect(const TRect& O) const {
        const TRect r{std::max(Left, O.Left), std::max(Top, O.Top), std::min(Right, O.Right),
                      std::min(Bottom, O.Bottom)};
        return r.IsEmpty() ? TRect{} : r;
    }
    constexpr bool Intersects(const TRect& O) const { return !Intersect(O).IsEmpty(); }
    friend constexpr bool operator==(const TRect&, const TRect&) = default;
};

// Modifier keys and mouse buttons held during a mouse event, with the double
// click marker. The bit values are fixed: the editor tests them by number.
using TShiftState = uint32_t;
inline constexpr TShiftState ssShift = 1;
inline constexpr TShiftState ssAlt = 2;
inline constexpr TShiftState ssCtrl = 4;
inline constexpr TShiftState ssLeft = 8;
inline constexpr TShiftState ssRight = 16;
inline constexpr TShiftState ssMiddle = 32;
inline constexpr TShiftState ssDouble = 64;

enum class TMouseButton : uint8_t { mbLeft, mbRight, mbMiddle };

// The shift-state bit of a mouse button.
constexpr TShiftState ButtonShift(TMouseButton Button) {
    switch (Button) {
        case TMouseButton::mbLeft: return ssLeft;
        case TMouseButton::mbRight: return ssRight;
        case TMouseButton::mbMiddle: return ssMiddle;
    }
    return 0;
}

// One notch of a mouse wheel in wheel-delta units.
inline constexpr int32_t kWheelDeltaPerNotch = 120;

// The pointer shapes the controls ask for.
enum class TCursor : uint8_t { crDefault, crSizeNS };

}  // namespace kandrel::ui
