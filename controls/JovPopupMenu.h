// Every popup menu of the program: a popup menu that sets check marks by
// item Tag. User-interface thread only.
#pragma once

#include <cstdint>

#include "ui/PopupMenu.h"

namespace kandrel::controls {

class TJovPopupMenu : public ui::TPopupMenu {
public:
    // Walks the items below Parent (the top level when null), depth first:
    // each item whose Tag equals Tag is checked, every other one unchecked
    // (separators and submenus included); with CheckParents the submenus
    // above a match are checked too. Items outside Parent keep their state.
    void CheckItemByTag(int32_t Tag, ui::TMenuItem* Parent, bool CheckParents);
};

}  // namespace kandrel::controls
