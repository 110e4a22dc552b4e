// Pictures of windows as they show on the screen: the client area copied from
// the window's device context (BitBlt into a memory bitmap), and PNG files
// written and read with GDI+. User-interface thread.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace kandrel::host {

struct TCapture {
    int32_t Width = 0;
    int32_t Height = 0;
    std::vector<uint32_t> Pixels;  // 0x00RRGGBB, rows top first
    uint32_t At(int32_t X, int32_t Y) const {
        return Pixels[static_cast<size_t>(Y) * static_cast<size_t>(Width) + static_cast<size_t>(X)];
    }
};

// Throws std::runtime_error when the window cannot be read.
TCapture CaptureClientArea(HWND Window);
// Writes Picture as a PNG file at the UTF-8 path Path. Throws std::runtime_error.
void SavePng(const TCapture& Picture, const std::string& Path);
// Reads the picture of an image file (PNG among others) at the UTF-8 path Path.
// Throws std::runtime_error.
TCapture LoadPng(const std::string& Path);

}  // namespace kandrel::host
