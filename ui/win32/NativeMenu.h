// A native popup menu (HMENU) built from a menu model each time a menu opens:
// captions ("&" marks the mnemonic), check marks (MFS_CHECKED), the bold
// default look (MFS_DEFAULT), greyed disabled items (MFS_GRAYED), submenus and
// separators. Command items get the numbers 1, 2, ... in the order met.
// User-interface thread.
#pragma once

#include <vector>

#include "ui/win32/Win32Api.h"

#include "ui/Menu.h"

namespace kandrel::ui::win32 {

class TNativeMenu {
public:
    // Builds the menu of Root's children. Throws std::runtime_error when the
    // system cannot make it.
    explicit TNativeMenu(TMenuItem& Root);
    ~TNativeMenu();
    TNativeMenu(const TNativeMenu&) = delete;
    TNativeMenu& operator=(const TNativeMenu&) = delete;

    HMENU Handle() const { return FMenu; }
    // The item of command number Id; null for 0 or an unknown number.
    TMenuItem* ItemOf(UINT Id) const;
    // Shows the menu at ScreenPoint, owned by Owner, until it closes; answers
    // the chosen item, null when the menu was dismissed.
    TMenuItem* Track(HWND Owner, POINT ScreenPoint);

private:
    void Fill(HMENU Menu, TMenuItem& Parent);

    HMENU FMenu = nullptr;
    std::vector<TMenuItem*> FCommands;  // command number - 1
};

}  // namespace kandrel::ui::win32
