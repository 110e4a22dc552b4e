// A flat push button with a caption and/or a glyph.
//
// - MouseDown (left, when enabled): the pressed look, until the release;
//   then OnMouseDown (any button).
// - MouseUp: the pressed look ends; OnMouseUp. The window then calls Click
//   when the left button was pressed and released on the button.
// - Click: a button with a GroupIndex other than 0 becomes Checked (which
//   unchecks the buttons of the same group under the same parent), or, when
//   it was checked and AllowAllUp is set, unchecked; then the DropDownMenu
//   opens below the button when one is set, otherwise OnClick fires.
// - DropDownArrow draws a small arrow at the right when a DropDownMenu is set.
//
// Colours: under a custom style the style's button colours and button-text
// font colours (normal, hot, pressed, disabled); otherwise the system's
// button face with the Font's colour.
//
// TCustomSpeedButton keeps the glyph properties (Images, ImageIndex) for
// derived classes; TSpeedButton makes them public.
// User-interface thread only.
#pragma once

#include <cstdint>
#include <string>

#include "ui/Control.h"
#include "ui/ImageList.h"

namespace kandrel::ui {

class TPopupMenu;

class TCustomSpeedButton : public TControl {
public:
    explicit TCustomSpeedButton(TControl* AParent = nullptr);

    const std::string& Caption() const { return FCaption; }
    void SetCaption(const std::string& Value);
    const TFont& Font() const { return FFont; }
    void SetFont(const TFont& Value);
    TPopupMenu* DropDownMenu() const { return FDropDownMenu; }
    void SetDropDownMenu(TPopupMenu* Value) { FDropDownMenu = Value; }  // not owned
    bool DropDownArrow() const { return FDropDownArrow; }
    void SetDropDownArrow(bool Value);
    bool Checked() const { return FChecked; }
    // Checking unchecks the other buttons of the group (GroupIndex not 0).
    void SetChecked(bool Value);
    int32_t GroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(int32_t Value) { FGroupIndex = Value; }
    bool AllowAllUp() const { return FAllowAllUp; }
    void SetAllowAllUp(bool Value) { FAllowAllUp = Value; }
    int32_t ImageIndex() const { return FImageIndex; }
    const TImageList* Images() const { return FImages; }

    // True while the left button, pressed on the button, is held.
    bool Pressed() const { return FPressed; }
    // True while the pointer is over the button.
    bool Hot() const { return FHot; }

    void Click() override;
    void Paint(ICanvas& Canvas) override;

protected:
    void SetImages(TImageList* Value);  // not owned
    void SetImageIndex(int32_t Value);

    void MouseDown(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) override;
    void MouseEnter() override;
    void MouseLeave() override;
    void CancelMode() override;

private:
    std::string FCaption;
    TFont FFont;
    TPopupMenu* FDropDownMenu = nullptr;
    bool FDropDownArrow = true;
    bool FChecked = false;
    int32_t FGroupIndex = 0;
    bool FAllowAllUp = false;
    TImageList* FImages = nullptr;
    int32_t FImageIndex = -1;
    bool FPressed = false;
    bool FHot = false;
};

class TSpeedButton : public TCustomSpeedButton {
public:
    using TCustomSpeedButton::TCustomSpeedButton;
    using TCustomSpeedButton::SetImageIndex;
    using TCustomSpeedButton::SetImages;
};

}  // namespace kandrel::ui
