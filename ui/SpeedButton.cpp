#include "ui/SpeedButton.h"

#include "ui/PopupMenu.h"
#include "ui/StyleManager.h"

namespace kandrel::ui {

namespace {

constexpr int32_t kArrowSpace = 12;  // right margin kept for the drop-down arrow
constexpr int32_t kGlyphMargin = 4;

}  // namespace

TCustomSpeedButton::TCustomSpeedButton(TControl* AParent) : TControl(AParent) { SetBounds(0, 0, 23, 22); }

void TCustomSpeedButton::SetCaption(const std::string& Value) {
    SetAndInvalidate(FCaption, Value);
}

void TCustomSpeedButton::SetFont(const TFont& Value) {
    SetAndInvalidate(FFont, Value);
}

void TCustomSpeedButton::SetDropDownArrow(bool Value) {
    SetAndInvalidate(FDropDownArrow, Value);
}

void TCustomSpeedButton::SetChecked(bool Value) {
    if (Value == FChecked) return;
    FChecked = Value;
    Invalidate();
    if (!Value || FGroupIndex == 0 || Parent() == nullptr) return;
    for (int32_t i = 0; i < Parent()->ControlCount(); ++i) {
        auto* other = dynamic_cast<TCustomSpeedButton*>(Parent()->Controls(i));
        if (other != nullptr && other != this && other->FGroupIndex == FGroupIndex && other->FChecked) {
            other->FChecked = false;
            other->Invalidate();
        }
    }
}

void TCustomSpeedButton::SetImages(TImageList* Value) {
    SetAndInvalidate(FImages, Value);
}

void TCustomSpeedButton::SetImageIndex(int32_t Value) {
    SetAndInvalidate(FImageIndex, Value);
}

void TCustomSpeedButton::Click() {
    if (FGroupIndex != 0) {
        if (!FChecked) SetChecked(true);
        else if (FAllowAllUp) SetChecked(false);
    }
    if (FDropDownMenu != nullptr) FDropDownMenu->PopupFor(*this, {0, Height()});
    else TControl::Click();
}

void TCustomSpeedButton::MouseDown(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) {
    if (Button == TMouseButton::mbLeft && Enabled() && !FPressed) {
        FPressed = true;
        Invalidate();
    }
    TControl::MouseDown(Button, Shift, X, Y);
}

void TCustomSpeedButton::MouseUp(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) {
    if (Button == TMouseButton::mbLeft && FPressed) {
        FPressed = false;
        Invalidate();
    }
    TControl::MouseUp(Button, Shift, X, Y);
}

void TCustomSpeedButton::MouseEnter() {
    FHot = true;
    Invalidate();
    TControl::MouseEnter();
}

void TCustomSpeedButton::MouseLeave() {
    FHot = false;
    Invalidate();
    TControl::MouseLeave();
}

void TCustomSpeedButton::CancelMode() {
    if (!FPressed) return;
    FPressed = false;
    Invalidate();
}

void TCustomSpeedButton::Paint(ICanvas& Canvas) {
    const bool down = (FPressed && FHot) || FChecked;
    const TStyleColor face = !Enabled() ? TStyleColor::scButtonDisabled
                             : down     ? TStyleColor::scButtonPressed
                             : FHot     ? TStyleColor::scButtonHot
                                        : TStyleColor::scButtonNormal;
    Canvas.FillRect(ClientRect(), TStyleManager::GetStyleColor(face));
    Canvas.FrameRect(ClientRect(), TStyleManager::GetStyleColor(TStyleColor::scBorder), 1);

    TFont font = FFont;
    if (TStyleManager::IsCustomStyleActive())
        font.Color = TStyleManager::GetStyleFontColor(!Enabled() ? TStyleFont::sfButtonTextDisabled
                                                      : down     ? TStyleFont::sfButtonTextPressed
                                                      : FHot     ? TStyleFont::sfButtonTextHot
                                                                 : TStyleFont::sfButtonTextNormal);
    else if (!Enabled())
        font.Color = TStyleManager::GetStyleFontColor(TStyleFont::sfButtonTextDisabled);

    const bool arrow = FDropDownArrow && FDropDownMenu != nullptr;
    TRect content = ClientRect();
    if (arrow) content.Right -= kArrowSpace;

    const TImage* glyph = FImages != nullptr ? FImages->Image(FImageIndex) : nullptr;
    if (glyph != nullptr) {
        const int32_t w = glyph->Width();
        const int32_t h = glyph->Height();
        const int32_t top = (Height() - h) / 2;
        const int32_t left = FCaption.empty() ? content.Left + (content.Width() - w) / 2 : content.Left + kGlyphMargin;
        Canvas.DrawImage(*glyph, {0, 0, w, h}, TRect::FromBounds(left, top, w, h));
        if (!FCaption.empty()) content.Left = left + w;
    }
    if (!FCaption.empty()) Canvas.DrawText(FCaption, content, font, tfCenter | tfVCenter | tfSingleLine);

    if (arrow) {
        // A small downward triangle, drawn as shrinking lines.
        const int32_t cx = Width() - kArrowSpace / 2;
        const int32_t top = Height() / 2 - 1;
        for (int32_t row = 0; row < 3; ++row)
            Canvas.FillRect({cx - 2 + row, top + row, cx + 3 - row, top + row + 1}, font.Color);
    }
}

}  // namespace kandrel::ui
