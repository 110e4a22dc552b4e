// The translation and clip a canvas draws under, with the stack behind
// ICanvas's Save and Restore. Device coordinates are the window's (or its
// back buffer's); the clip is kept in them.
#pragma once

#include <vector>

#include "ui/UiTypes.h"

namespace kandrel::ui {

class TCanvasState {
public:
    explicit TCanvasState(const TRect& DeviceClip) { FCurrent.Clip = DeviceClip; }

    void Save() { FStack.push_back(FCurrent); }
    // False when nothing was saved (the state is left as it is).
    bool Restore() {
        if (FStack.empty()) return false;
        FCurrent = FStack.back();
        FStack.pop_back();
        return true;
    }
    void Translate(int32_t DX, int32_t DY) {
        FCurrent.Offset.X += DX;
        FCurrent.Offset.Y += DY;
    }
    void IntersectClip(const TRect& Rect) { FCurrent.Clip = FCurrent.Clip.Intersect(ToDevice(Rect)); }
    // The clip in current coordinates.
    TRect ClipRect() const { return FCurrent.Clip.Offset(-FCurrent.Offset.X, -FCurrent.Offset.Y); }

    TRect ToDevice(const TRect& Rect) const { return Rect.Offset(FCurrent.Offset.X, FCurrent.Offset.Y); }
    const TRect& DeviceClip() const { return FCurrent.Clip; }
    TPoint Offset() const { return FCurrent.Offset; }

private:
    struct TState {
        TPoint Offset;  // current coordinates -> device coordinates
        TRect Clip;     // device coordinates
    };
    TState FCurrent;
    std::vector<TState> FStack;
};

}  // namespace kandrel::ui
