// The engine's style interface (plugin/StyleManager.h) served by the widget
// layer's style manager: activating a skin by name makes that colour scheme
// the active one for every window opened afterwards. A name no scheme has
// throws (the engine then shows its "Load Skin" box). Installed with the
// editor layer. User-interface thread.
#pragma once

#include <string>
#include <string_view>

#include "plugin/StyleManager.h"

namespace kandrel::editor {

class TUiStyleManager final : public IStyleManager {
public:
    void SetActiveStyle(std::string_view Name) override;
    std::string ActiveStyle() const override;
};

}  // namespace kandrel::editor
