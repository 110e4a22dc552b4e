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
    const TStyleColor panel = !PanelGroupColor ? TStyleColor::scPanel
                              : light          ? TStyleColor::scGenericBackground
                                               : TStyleColor::scCategoryPanelGroup;
    SetPanelColor(TStyleManager::GetStyleColor(panel));
    SetBorderColor(TStyleManager::GetStyleColor(light ? TStyleColor::scBorder : TStyleColor::scHintGradientBase));
}

}  // namespace kandrel::controls
