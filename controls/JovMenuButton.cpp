#include "controls/JovMenuButton.h"

#include "ui/Bitmap.h"
#include "ui/StyleManager.h"
#include "ui/Window.h"

namespace kandrel::controls {

using ui::TStyleFont;
using ui::TStyleManager;

namespace {

constexpr ui::TColor kBlack = ui::RGB(0, 0, 0);
constexpr ui::TColor kMagenta = ui::RGB(255, 0, 255);

}  // namespace

TJovMenuButton::TJovMenuButton(ui::TControl* AParent) : TCustomSpeedButton(AParent) { SetBounds(0, 0, 26, 26); }

void TJovMenuButton::Loaded() {
    TCustomSpeedButton::Loaded();
    if (TStyleManager::IsCustomStyleActive()) {
        ui::TWindow* window = Window();
        if (window == nullptr) throw ui::EBitmapError("Bitmap resource \"menu16\" needs a window to load from");
        // The bars follow the skin's button text; the background stays see-through.
        ui::TBitmap bars;
        bars.LoadFromResource(window->Resources(), "menu16");
        for (const TStyleFont colour : {TStyleFont::sfButtonTextNormal, TStyleFont::sfButtonTextPressed}) {
            ui::TBitmap bitmap = bars;
            bitmap.ReplaceColor(kBlack, TStyleManager::GetStyleFontColor(colour));
            FGlyphs.AddMasked(bitmap, kMagenta);
        }
    }
    SetImages(&FGlyphs);
    SetImageIndex(0);
}

void TJovMenuButton::MouseDown(ui::TMouseButton Button, ui::TShiftState Shift, int32_t X, int32_t Y) {
    SetImageIndex(1);
    TCustomSpeedButton::MouseDown(Button, Shift, X, Y);
}

void TJovMenuButton::MouseUp(ui::TMouseButton Button, ui::TShiftState Shift, int32_t X, int32_t Y) {
    SetImageIndex(0);
    TCustomSpeedButton::MouseUp(Button, Shift, X, Y);
}

void TJovMenuButton::CancelMode() {
    SetImageIndex(0);
    TCustomSpeedButton::CancelMode();
}

}  // namespace kandrel::controls
