// A picture of a window's whole client area as it paints, made without any
// native window (the gallery of the controls, pixel tests of the drawing).
// User-interface thread.
#pragma once

#include <cstdint>
#include <vector>

#include "ui/Window.h"

namespace kandrel::ui::win32 {

// 0x00RRGGBB per pixel, rows top first.
struct TPixels {
    int32_t Width = 0;
    int32_t Height = 0;
    std::vector<uint32_t> Data;
    uint32_t At(int32_t X, int32_t Y) const {
        return Data[static_cast<size_t>(Y) * static_cast<size_t>(Width) + static_cast<size_t>(X)];
    }
};

// Paints Window (its size) with the Win32 canvas into a memory picture.
TPixels RenderOffscreen(TWindow& Window);

}  // namespace kandrel::ui::win32
