// The base of controls drawn as one frame of an image strip: ImageList and
// ImageIndex choose the strip, the control shows frame ShownGlyph() of it,
// drawn at the control's top-left corner, nothing when the index is negative
// or beyond the strip, or when there is no strip. With Transparent the
// frame is drawn over the parent's image; otherwise the area is first filled
// with Color. A change of the shown frame repaints.
// User-interface thread only.
#pragma once

#include <cstdint>

#include "ui/Control.h"
#include "ui/GuiStitchedPNGList.h"

namespace kandrel::ui {

class TGuiStitchedControl : public TControl {
public:
    explicit TGuiStitchedControl(TControl* AParent = nullptr);

    TGuiStitchedPNGList* ImageList() const { return FImageList; }
    void SetImageList(TGuiStitchedPNGList* Value);  // not owned
    int32_t ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int32_t Value);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool Value);
    TColor Color() const { return FColor; }
    void SetColor(TColor Value);

    // The chosen strip; null when there is none.
    const TGuiStitchedPNGItem* Strip() const;
    // GlyphCount of the chosen strip; 0 without one.
    int32_t GlyphCount() const;
    // The frame the control shows now.
    virtual int32_t ShownGlyph() const = 0;

    void Paint(ICanvas& Canvas) override;

private:
    TGuiStitchedPNGList* FImageList = nullptr;
    int32_t FImageIndex = -1;
    bool FTransparent = false;
    TColor FColor = 0xF0F0F0;
};

}  // namespace kandrel::ui
