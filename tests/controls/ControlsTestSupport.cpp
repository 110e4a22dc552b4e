#include "ControlsTestSupport.h"

namespace kandrel::testing {

using ui::TMouseButton;
using ui::TPoint;
using ui::TShiftState;

TTestWindow::TTestWindow(int32_t Width, int32_t Height) {
    Window.SetResources(&Resources);
    Window.SetBackend(&Backend);
    Window.SetClientSize({Width, Height});
}

TTestWindow::~TTestWindow() { Window.SetBackend(nullptr); }

void TTestWindow::Press(TPoint P, TMouseButton Button, TShiftState Shift) {
    Window.HandleMouseDown(Button, Shift | ui::ButtonShift(Button), P);
}

void TTestWindow::Move(TPoint P, TShiftState Shift) { Window.HandleMouseMove(Shift, P); }

void TTestWindow::Release(TPoint P, TMouseButton Button, TShiftState Shift) {
    Window.HandleMouseUp(Button, Shift & ~ui::ButtonShift(Button), P);
}

void TTestWindow::Wheel(TPoint P, int32_t Delta, TShiftState Shift) { Window.HandleMouseWheel(Shift, Delta, P); }

namespace {

void Put32(std::vector<uint8_t>& B, uint32_t V) {
    for (int i = 0; i < 4; ++i) B.push_back(static_cast<uint8_t>(V >> (8 * i)));
}
void Put16(std::vector<uint8_t>& B, uint16_t V) {
    B.push_back(static_cast<uint8_t>(V));
    B.push_back(static_cast<uint8_t>(V >> 8));
}

}  // namespace

std::vector<uint8_t> BmpBytes(const ui::TBitmap& Bitmap, bool WithFileHeader) {
    const uint32_t stride = (static_cast<uint32_t>(Bitmap.Width()) * 3 + 3) & ~3u;
    const uint32_t dataSize = stride * static_cast<uint32_t>(Bitmap.Height());
    std::vector<uint8_t> b;
    if (WithFileHeader) {
        b.push_back('B');
        b.push_back('M');
        Put32(b, 14 + 40 + dataSize);
        Put32(b, 0);
        Put32(b, 14 + 40);
    }
    Put32(b, 40);
    Put32(b, static_cast<uint32_t>(Bitmap.Width()));
    Put32(b, static_cast<uint32_t>(Bitmap.Height()));
    Put16(b, 1);
    Put16(b, 24);
    for (int i = 0; i < 6; ++i) Put32(b, 0);  // compression, sizes, resolutions, palette
    for (int32_t y = Bitmap.Height() - 1; y >= 0; --y) {
        uint32_t written = 0;
        for (int32_t x = 0; x < Bitmap.Width(); ++x, written += 3) {
            const ui::TColor c = Bitmap.GetPixel(x, y);
            b.push_back(ui::BlueOf(c));
            b.push_back(ui::GreenOf(c));
            b.push_back(ui::RedOf(c));
        }
        for (; written < stride; ++written) b.push_back(0);
    }
    return b;
}

ui::TBitmap Menu16Bitmap() {
    ui::TBitmap bitmap(16, 16, ui::RGB(255, 0, 255));
    for (const int32_t top : {3, 7, 11})
        for (int32_t y = top; y < top + 2; ++y)
            for (int32_t x = 2; x <= 13; ++x) bitmap.SetPixel(x, y, ui::RGB(0, 0, 0));
    return bitmap;
}

std::vector<uint8_t> PngHeaderBytes(int32_t Width, int32_t Height) {
    std::vector<uint8_t> b = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A, 0, 0, 0, 13, 'I', 'H', 'D', 'R'};
    for (const int32_t v : {Width, Height})
        for (int shift = 24; shift >= 0; shift -= 8) b.push_back(static_cast<uint8_t>(static_cast<uint32_t>(v) >> shift));
    for (const uint8_t rest : {8, 6, 0, 0, 0}) b.push_back(rest);  // depth, RGBA, methods
    return b;
}

}  // namespace kandrel::testing
