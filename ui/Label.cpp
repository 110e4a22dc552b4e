#include "ui/Label.h"

namespace kandrel::ui {

TLabel::TLabel(TControl* AParent) : TControl(AParent) { SetBounds(0, 0, 65, 17); }

void TLabel::SetCaption(const std::string& Value) {
    if (Value == FCaption) return;
    FCaption = Value;
    Invalidate();
}

void TLabel::SetFont(const TFont& Value) {
    if (Value == FFont) return;
    FFont = Value;
    Invalidate();
}

void TLabel::SetAlignment(TAlignment Value) {
    if (Value == FAlignment) return;
    FAlignment = Value;
    Invalidate();
}

void TLabel::SetLayout(TTextLayout Value) {
    if (Value == FLayout) return;
    FLayout = Value;
    Invalidate();
}

void TLabel::SetShowAccelChar(bool Value) {
    if (Value == FShowAccelChar) return;
    FShowAccelChar = Value;
    Invalidate();
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
