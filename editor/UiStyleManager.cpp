#include "editor/UiStyleManager.h"

#include "ui/StyleManager.h"

namespace kandrel::editor {

void TUiStyleManager::SetActiveStyle(std::string_view Name) { ui::TStyleManager::SetActiveStyle(std::string(Name)); }

std::string TUiStyleManager::ActiveStyle() const { return ui::TStyleManager::ActiveStyleName(); }

}  // namespace kandrel::editor
