#include "ui/win32/FontCache.h"

#include "common/win32/WideText.h"

namespace kandrel::ui::win32 {

TFontCache::~TFontCache() {
    for (auto& entry : FFonts) DeleteObject(entry.second);
}

HFONT TFontCache::FontOf(const TFont& Font) {
    const auto key = std::make_tuple(Font.Name, Font.Height, Font.Bold);
    auto found = FFonts.find(key);
    if (found != FFonts.end()) return found->second;
    // A negative height asks for the character height, as the layouts give it.
    HFONT font = CreateFontW(-Font.Height, 0, 0, 0, Font.Bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                             DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY,
                             DEFAULT_PITCH | FF_DONTCARE, kandrel::win32::Widen(Font.Name).c_str());
    if (font == nullptr) font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));  // stock: never freed
    else FFonts.emplace(key, font);
    return font;
}

TSize TFontCache::Measure(HDC Dc, const std::string& Text, const TFont& Font) {
    const std::wstring wide = kandrel::win32::Widen(Text);
    HGDIOBJ old = SelectObject(Dc, FontOf(Font));
    SIZE size{0, 0};
    GetTextExtentPoint32W(Dc, wide.c_str(), static_cast<int>(wide.size()), &size);
    if (wide.empty()) {
        TEXTMETRICW metrics{};
        GetTextMetricsW(Dc, &metrics);
        size.cy = metrics.tmHeight;
    }
    SelectObject(Dc, old);
    return {size.cx, size.cy};
}

}  // namespace kandrel::ui::win32
