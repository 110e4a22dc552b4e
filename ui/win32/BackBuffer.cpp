#include "ui/win32/BackBuffer.h"

#include <algorithm>
#include <stdexcept>

namespace kandrel::ui::win32 {

TBackBuffer::TBackBuffer() {
    FDc = CreateCompatibleDC(nullptr);
    if (FDc == nullptr) throw std::runtime_error("no memory device context");
}

TBackBuffer::~TBackBuffer() {
    if (FOldBitmap != nullptr) SelectObject(FDc, FOldBitmap);
    if (FBitmap != nullptr) DeleteObject(FBitmap);
    DeleteDC(FDc);
}

void TBackBuffer::Resize(TSize Size) {
    Size.Width = std::max(Size.Width, 1);
    Size.Height = std::max(Size.Height, 1);
    if (FBitmap != nullptr && Size == FSize) return;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = Size.Width;
    info.bmiHeader.biHeight = -Size.Height;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(FDc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap == nullptr) throw std::runtime_error("no memory for the window's picture");
    HGDIOBJ old = SelectObject(FDc, bitmap);
    if (FBitmap != nullptr)
        DeleteObject(FBitmap);
    else
        FOldBitmap = old;
    FBitmap = bitmap;
    FBits = static_cast<uint32_t*>(bits);
    FSize = Size;
}

}  // namespace kandrel::ui::win32
