// Popup menus become native menus built from the menu model each time they
// open; the chosen item comes back and its OnClick runs.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "host/win32/HostFrame.h"
#include "tests/gui/GuiTestSupport.h"
#include "ui/Menu.h"
#include "ui/PopupMenu.h"
#include "ui/Window.h"
#include "ui/win32/NativeMenu.h"
#include "ui/win32/NativeWindow.h"

namespace kandrel::test {
namespace {

using namespace std::chrono_literals;

struct TNativeItem {
    std::wstring Caption;
    UINT Type = 0;
    UINT State = 0;
    UINT Id = 0;
    HMENU Submenu = nullptr;
};

TNativeItem ItemAt(HMENU Menu, int Position) {
    wchar_t caption[64] = {};
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING;
    info.dwTypeData = caption;
    info.cch = 63;
    EXPECT_TRUE(GetMenuItemInfoW(Menu, static_cast<UINT>(Position), TRUE, &info)) << "item " << Position;
    return {caption, info.fType, info.fState, info.wID, info.hSubMenu};
}

template <class T>
T& Add(ui::TMenuItem& Parent, std::unique_ptr<T> Item) {
    return Parent.Add(std::move(Item));
}

TEST(NativeMenu, MirrorsTheModelsCaptionsMarksAndSubmenus) {
    ui::TMenuRootItem root;
    ui::TMenuItem& init = Add(root, std::make_unique<ui::TMenuItem>("&Init"));
    init.Bold = true;
    Add(root, std::make_unique<ui::TSeparatorItem>());
    ui::TMenuItem& load = Add(root, std::make_unique<ui::TMenuItem>("&Load..."));
    load.Enabled = false;
    ui::TSubmenuItem& skin = Add(root, std::make_unique<ui::TSubmenuItem>("Skin"));
    skin.Checked = true;
    ui::TMenuItem& carbon = Add(skin, std::make_unique<ui::TMenuItem>("Carbon", 0));
    carbon.Checked = true;
    ui::TMenuItem& dark = Add(skin, std::make_unique<ui::TMenuItem>("Dark", 1));
    ui::TMenuItem& about = Add(root, std::make_unique<ui::TMenuItem>("\xC3\x9C" "ber Kandrel"));

    ui::win32::TNativeMenu menu(root);
    HMENU h = menu.Handle();
    ASSERT_EQ(GetMenuItemCount(h), 5);

    const TNativeItem first = ItemAt(h, 0);
    EXPECT_EQ(first.Caption, L"&Init");
    EXPECT_EQ(first.State & (MFS_DEFAULT | MFS_CHECKED | MFS_GRAYED), static_cast<UINT>(MFS_DEFAULT));
    EXPECT_EQ(menu.ItemOf(first.Id), &init);

    EXPECT_EQ(ItemAt(h, 1).Type & MFT_SEPARATOR, static_cast<UINT>(MFT_SEPARATOR));

    const TNativeItem disabled = ItemAt(h, 2);
    EXPECT_EQ(disabled.Caption, L"&Load...");
    EXPECT_EQ(disabled.State & MFS_GRAYED, static_cast<UINT>(MFS_GRAYED));
    EXPECT_EQ(menu.ItemOf(disabled.Id), &load);

    const TNativeItem sub = ItemAt(h, 3);
    EXPECT_EQ(sub.Caption, L"Skin");
    EXPECT_EQ(sub.State & MFS_CHECKED, static_cast<UINT>(MFS_CHECKED));
    ASSERT_NE(sub.Submenu, nullptr);
    ASSERT_EQ(GetMenuItemCount(sub.Submenu), 2);
    const TNativeItem checked = ItemAt(sub.Submenu, 0);
    const TNativeItem unchecked = ItemAt(sub.Submenu, 1);
    EXPECT_EQ(checked.Caption, L"Carbon");
    EXPECT_EQ(checked.State & MFS_CHECKED, static_cast<UINT>(MFS_CHECKED));
    EXPECT_EQ(unchecked.State & (MFS_CHECKED | MFS_DEFAULT | MFS_GRAYED), 0u);
    EXPECT_EQ(menu.ItemOf(checked.Id), &carbon);
    EXPECT_EQ(menu.ItemOf(unchecked.Id), &dark);

    const TNativeItem last = ItemAt(h, 4);
    EXPECT_EQ(last.Caption, L"\u00DCber Kandrel");
    EXPECT_EQ(menu.ItemOf(last.Id), &about);
    EXPECT_EQ(menu.ItemOf(0), nullptr);
    EXPECT_EQ(menu.ItemOf(99), nullptr);
}

// Plays keys into the open menu: one key each time the menu loop goes idle.
struct TMenuDriver {
    static inline WNDPROC Original = nullptr;
    static inline std::vector<WPARAM> Keys;
    static inline size_t Next = 0;

    static LRESULT CALLBACK Hook(HWND Hwnd, UINT Message, WPARAM WParam, LPARAM LParam) {
        if (Message == WM_ENTERIDLE && WParam == MSGF_MENU && Next < Keys.size())
            PostMessageW(Hwnd, WM_KEYDOWN, Keys[Next++], 0);
        return CallWindowProcW(Original, Hwnd, Message, WParam, LParam);
    }
};

TEST(NativeMenu, APopupAnswersTheChosenItemAndRunsItsClick) {
    host::THostFrame frame(L"menu");
    ui::TWindow window;
    window.SetClientSize({120, 80});
    auto native = ui::win32::CreateChildWindow(window, frame.Hwnd());
    frame.Show();
    HWND hwnd = static_cast<HWND>(native->Handle());

    ui::TPopupMenu menu;
    std::vector<std::string> events;
    menu.OnPopup = [&events](ui::TPopupMenu&) { events.push_back("popup"); };
    for (const char* caption : {"First", "Second", "Third"}) {
        ui::TMenuItem& item = menu.Items.Add(std::make_unique<ui::TMenuItem>(caption));
        item.OnClick = [&events](ui::TMenuItem& Sender) { events.push_back("click " + Sender.Caption); };
    }

    TMenuDriver::Keys = {VK_DOWN, VK_DOWN, VK_RETURN};
    TMenuDriver::Next = 0;
    TMenuDriver::Original =
        reinterpret_cast<WNDPROC>(SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TMenuDriver::Hook)));
    // Should a key go astray, the menu must still end.
    const UINT_PTR safety = SetTimer(nullptr, 0, 3000, [](HWND, UINT, UINT_PTR, DWORD) { EndMenu(); });

    POINT screen{10, 10};
    ClientToScreen(hwnd, &screen);
    const bool chosen = menu.Popup(window, {screen.x, screen.y});

    KillTimer(nullptr, safety);
    SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(TMenuDriver::Original));
    EXPECT_TRUE(chosen);
    EXPECT_EQ(events, (std::vector<std::string>{"popup", "click Second"}));
    native.reset();
}

}  // namespace
}  // namespace kandrel::test
