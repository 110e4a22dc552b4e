#include "ui/win32/OffscreenRender.h"

#include "ui/win32/BackBuffer.h"
#include "ui/win32/FontCache.h"
#include "ui/win32/GdiplusSession.h"
#include "ui/win32/Win32Canvas.h"

namespace kandrel::ui::win32 {

TPixels RenderOffscreen(TWindow& Window) {
    TGdiplusSession session;
    TFontCache fonts;
    TBackBuffer buffer;
    buffer.Resize({Window.Width(), Window.Height()});
    {
        TWin32Canvas canvas(buffer, fonts, Window.ClientRect());
        Window.HandlePaint(canvas);
    }
    TPixels pixels;
    pixels.Width = buffer.Size().Width;
    pixels.Height = buffer.Size().Height;
    pixels.Data.assign(buffer.Bits(), buffer.Bits() + static_cast<size_t>(pixels.Width) * pixels.Height);
    for (uint32_t& p : pixels.Data) p &= 0x00FFFFFFu;
    return pixels;
}

}  // namespace kandrel::ui::win32
