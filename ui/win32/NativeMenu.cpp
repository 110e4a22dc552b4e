#include "ui/win32/NativeMenu.h"

#include <stdexcept>
#include <string>

#include "common/win32/WideText.h"

namespace kandrel::ui::win32 {

namespace {

UINT StateOf(const TMenuItem& Item) {
    UINT state = 0;
    if (Item.Checked) state |= MFS_CHECKED;
    if (Item.Bold) state |= MFS_DEFAULT;
    if (!Item.Enabled) state |= MFS_GRAYED;
    return state;
}

}  // namespace

TNativeMenu::TNativeMenu(TMenuItem& Root) {
    FMenu = CreatePopupMenu();
    if (FMenu == nullptr) throw std::runtime_error("no memory for a popup menu");
    try {
        Fill(FMenu, Root);
    } catch (...) {
        DestroyMenu(FMenu);
        throw;
    }
}

// Destroying a menu destroys its submenus with it.
TNativeMenu::~TNativeMenu() { DestroyMenu(FMenu); }

void TNativeMenu::Fill(HMENU Menu, TMenuItem& Parent) {
    for (int32_t i = 0; i < Parent.Count(); ++i) {
        TMenuItem& item = Parent.Items(i);
        std::wstring caption = kandrel::win32::Widen(item.Caption);
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_STATE;
        info.fState = StateOf(item);
        if (item.Kind() == TMenuItemKind::Separator) {
            info.fType = MFT_SEPARATOR;
        } else {
            info.fType = MFT_STRING;
            info.fMask |= MIIM_STRING;
            info.dwTypeData = caption.data();
            if (item.IsSubmenu()) {
                HMENU sub = CreatePopupMenu();
                if (sub == nullptr) throw std::runtime_error("no memory for a submenu");
                try {
                    Fill(sub, item);
                } catch (...) {
                    DestroyMenu(sub);
                    throw;
                }
                info.fMask |= MIIM_SUBMENU;
                info.hSubMenu = sub;
            } else {
                FCommands.push_back(&item);
                info.fMask |= MIIM_ID;
                info.wID = static_cast<UINT>(FCommands.size());
            }
        }
        if (!InsertMenuItemW(Menu, static_cast<UINT>(i), TRUE, &info)) {
            if (info.hSubMenu != nullptr) DestroyMenu(info.hSubMenu);
            throw std::runtime_error("a menu item could not be added");
        }
    }
}

TMenuItem* TNativeMenu::ItemOf(UINT Id) const {
    return Id >= 1 && Id <= FCommands.size() ? FCommands[Id - 1] : nullptr;
}

TMenuItem* TNativeMenu::Track(HWND Owner, POINT ScreenPoint) {
    const UINT flags = TPM_RETURNCMD | TPM_NONOTIFY | TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON;
    const BOOL chosen = TrackPopupMenuEx(FMenu, flags, ScreenPoint.x, ScreenPoint.y, Owner, nullptr);
    return ItemOf(static_cast<UINT>(chosen));
}

}  // namespace kandrel::ui::win32
