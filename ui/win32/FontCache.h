// The GDI fonts of one window, made on first use and freed with the window.
// Text is drawn with GDI because GDI+ finds no system fonts under wine, while
// GDI maps the usual face names to installed fonts. User-interface thread.
#pragma once

#include <map>
#include <string>
#include <tuple>

#include "ui/win32/Win32Api.h"

#include "ui/Canvas.h"

namespace kandrel::ui::win32 {

class TFontCache {
public:
    TFontCache() = default;
    ~TFontCache();
    TFontCache(const TFontCache&) = delete;
    TFontCache& operator=(const TFontCache&) = delete;

    // Font.Height is the character height in pixels; the colour is not part of a font.
    HFONT FontOf(const TFont& Font);
    // Text's size on one line, measured on Dc.
    TSize Measure(HDC Dc, const std::string& Text, const TFont& Font);

private:
    std::map<std::tuple<std::string, int32_t, bool>, HFONT> FFonts;
};

}  // namespace kandrel::ui::win32
