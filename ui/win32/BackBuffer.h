// An off-screen picture of a window's client area: a 32-bit top-down DIB
// section selected into a memory DC. Everything is painted here first and then
// copied to the screen in one step, so nothing flickers. Its pixels are also
// what the offscreen renderer hands out. User-interface thread.
#pragma once

#include <cstdint>

#include "ui/win32/Win32Api.h"

#include "ui/UiTypes.h"

namespace kandrel::ui::win32 {

class TBackBuffer {
public:
    TBackBuffer();
    ~TBackBuffer();
    TBackBuffer(const TBackBuffer&) = delete;
    TBackBuffer& operator=(const TBackBuffer&) = delete;

    // Makes the buffer Size big (at least 1 x 1); the old pixels are lost when
    // the size changes. Throws std::runtime_error when GDI cannot make it.
    void Resize(TSize Size);
    TSize Size() const { return FSize; }
    HDC Dc() const { return FDc; }
    // 0x??RRGGBB per pixel, rows top first (the top byte is not used).
    uint32_t* Bits() const { return FBits; }

private:
    HDC FDc = nullptr;
    HBITMAP FBitmap = nullptr;
    HGDIOBJ FOldBitmap = nullptr;
    uint32_t* FBits = nullptr;
    TSize FSize;
};

}  // namespace kandrel::ui::win32
