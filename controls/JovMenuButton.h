// The square menu button of the editor heading (26 x 26 when created). At
// Loaded, when a custom style is active, it builds its own two glyphs from
// the bitmap resource "menu16" (three black bars on magenta): image 0 with
// the black pixels in the style's sfButtonTextNormal colour, image 1 in
// sfButtonTextPressed, magenta transparent. It shows image 1 from press to
// release and image 0 otherwise; without a custom style it has no glyphs.
// Its DropDownMenu opens below it on click. The window's resource provider
// must be set before Loaded runs (a missing "menu16" throws EBitmapError).
// User-interface thread only.
#pragma once

#include "ui/ImageList.h"
#include "ui/SpeedButton.h"

namespace kandrel::controls {

class TJovMenuButton : public ui::TCustomSpeedButton {
public:
    explicit TJovMenuButton(ui::TControl* AParent = nullptr);

    // The button's own glyphs (16 x 16).
    const ui::TImageList& Glyphs() const { return FGlyphs; }

protected:
    void Loaded() override;
    void MouseDown(ui::TMouseButton Button, ui::TShiftState Shift, int32_t X, int32_t Y) override;
    void MouseUp(ui::TMouseButton Button, ui::TShiftState Shift, int32_t X, int32_t Y) override;
    // The press ends without a release when the mouse capture is lost.
    void CancelMode() override;

private:
    ui::TImageList FGlyphs{16, 16};
};

}  // namespace kandrel::controls
