// A popup menu: the item tree under Items, shown at a screen point through a
// window's backend. Showing fires OnPopup first (the place to update items),
// then waits for the user's choice, then runs the chosen item's OnClick
// (only when it is enabled). User-interface thread only.
#pragma once

#include <functional>

#include "ui/Menu.h"
#include "ui/UiTypes.h"

namespace kandrel::ui {

class TControl;
class TPopupMenu;
class TWindow;

using TPopupMenuEvent = std::function<void(TPopupMenu& Sender)>;

class TPopupMenu {
public:
    TPopupMenu() = default;
    virtual ~TPopupMenu() = default;
    TPopupMenu(const TPopupMenu&) = delete;
    TPopupMenu& operator=(const TPopupMenu&) = delete;

    TMenuRootItem Items;
    TPopupMenuEvent OnPopup;
    // The control that opened the menu last (null when opened without one).
    TControl* PopupComponent = nullptr;

    // Shows the menu at ScreenPoint through Window's backend (headless: only
    // OnPopup runs). True when an item was chosen (its OnClick has run then;
    // it may have freed the item).
    bool Popup(TWindow& Window, TPoint ScreenPoint);
    // Shows the menu for Invoker at its client point ClientPoint (below a
    // button: its bottom-left corner). Nothing when Invoker is in no window.
    bool PopupFor(TControl& Invoker, TPoint ClientPoint);
};

}  // namespace kandrel::ui
