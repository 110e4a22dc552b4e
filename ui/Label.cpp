#include "ui/Label.h"

namespace kandrel::ui {

TLabel::TLabel(TControl* AParent) : TControl(AParent) { SetBounds(0, 0, 65, 17); }

void TLabel::SetCaption(const std::string& Value) {
    SetAndInvalidate(FCaption, Value);
}

void TLabel::SetFont(const TFont& Value) {
    SetAndInvalidate(FFont, Value);
}

void TLabel::SetAlignment(TAlignment Value) {
    SetAndInvalidate(FAlignment, Value);
}

void TLabel::SetLayout(TTextLayout Value) {
    SetAndInvalidate(FLayout, Value);
}

void TLabel::SetShowAccelChar(bool Value) {
    SetAndInvalidate(FShowAccelChar, Value);
}

TTextFlags TLabel::TextFlags() const {
    TTextFlags flags = FAlignment == TAlignment::taCenter         ? tfCenter
                       : FAlignment == TAlignment::taRightJustify ? tfRight
                                                                  : tfLeft;
    if (FLayout == TTextLayout::tlCenter) flags |= tfVCenter | tfSingleLine;
    if (!FShowAccelChar) flags |= tfNoPrefix;
    return flags;
}

void TLabel::Paint(ICanvas& Canvas) {
    if (!FCaption.empty()) Canvas.DrawText(FCaption, ClientRect(), FFont, TextFlags());
}

}  // namespace kandrel::ui
