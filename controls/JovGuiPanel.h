// The editor's rounded panel: white, radius 10, transparent over its parent,
// and at Loaded re-coloured from the active skin:
// - only when UseStyles is set and a custom style is active;
// - fill: the style's scCategoryPanelGroup when PanelGroupColor (under the
//   style named exactly "Light": scGenericBackground instead), else scPanel;
// - border: the style's scHintGradientBase (under "Light": scBorder).
// A skin activated later does not re-colour an existing panel.
// User-interface thread only.
#pragma once

#include "ui/GuiPanel.h"

namespace kandrel::controls {

class TJovGuiPanel : public ui::TGuiPanel {
public:
    explicit TJovGuiPanel(ui::TControl* AParent = nullptr);

    bool PanelGroupColor = false;
    bool UseStyles = true;

protected:
    void Loaded() override;
};

}  // namespace kandrel::controls
