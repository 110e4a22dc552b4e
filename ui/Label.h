// A static text: Caption in Font, placed by Alignment inside the client
// area, top-aligned or vertically centred (Layout), over the parent's image.
// With ShowAccelChar (default) an "&" marks a mnemonic as the toolkit does.
// User-interface thread only.
#pragma once

#include <cstdint>
#include <string>

#include "ui/Control.h"

namespace kandrel::ui {

enum class TAlignment : uint8_t { taLeftJustify, taRightJustify, taCenter };
enum class TTextLayout : uint8_t { tlTop, tlCenter };

class TLabel : public TControl {
public:
    explicit TLabel(TControl* AParent = nullptr);

    const std::string& Caption() const { return FCaption; }
    void SetCaption(const std::string& Value);
    const TFont& Font() const { return FFont; }
    void SetFont(const TFont& Value);
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value);
    TTextLayout Layout() const { return FLayout; }
    void SetLayout(TTextLayout Value);
    bool ShowAccelChar() const { return FShowAccelChar; }
    void SetShowAccelChar(bool Value);

    // The flags Paint passes to DrawText.
    TTextFlags TextFlags() const;
    void Paint(ICanvas& Canvas) override;

private:
    std::string FCaption;
    TFont FFont;
    TAlignment FAlignment = TAlignment::taLeftJustify;
    TTextLayout FLayout = TTextLayout::tlTop;
    bool FShowAccelChar = true;
};

}  // namespace kandrel::ui
