#include "controls/JovGuiPanel.h"

#include "ui/StyleManager.h"

namespace kandrel::controls {

using ui::TStyleColor;
using ui::TStyleManager;

TJovGuiPanel::TJovGuiPanel(ui::TControl* AParent) : TGuiPanel(AParent) {
    SetPanelColor(ui::RGB(255, 255, 255));
    SetBorderRadius(10.0f);
    SetBorderWidth(1.0f);
    SetBorderColor(PanelColor());
    SetTransparent(true);
}

void TJovGuiPanel::Loaded() {
    TGuiPanel::Loaded();
    if (!UseStyles || !TStyleManager::IsCustomStyleActive()) return;
    // "Light" needs stronger contrast than its group and hint colours give.
    const bool light = TStyleManager::ActiveStyleName() == "Light";
    if (PanelGroupColor) {
        SetPanelColor(TStyleManager::GetStyleColor(TStyleColor::scCategoryPanelGroup));
        if (light) SetPanelColor(TStyleManager::GetStyleColor(TStyleColor::scGenericBackground));
    } else {
        SetPanelColor(TStyleManager::GetStyleColor(TStyleColor::scPanel));
    }
    SetBorderColor(TStyleManager::GetStyleColor(TStyleColor::scHintGradientBase));
    if (light) SetBorderColor(TStyleManager::GetStyleColor(TStyleColor::scBorder));
}

}  // namespace kandrel::controls
