#include "ui/PopupMenu.h"

#include "ui/Window.h"

namespace kandrel::ui {

bool TPopupMenu::Popup(TWindow& Window, TPoint ScreenPoint) {
    if (OnPopup) OnPopup(*this);
    IWindowBackend* backend = Window.Backend();
    if (backend == nullptr) return false;
    TMenuItem* chosen = backend->TrackPopupMenu(Items, ScreenPoint);
    if (chosen == nullptr || !chosen->Enabled || chosen->Kind() != TMenuItemKind::Command) return false;
    chosen->Click();
    return true;
}

bool TPopupMenu::PopupFor(TControl& Invoker, TPoint ClientPoint) {
    TWindow* window = Invoker.Window();
    if (window == nullptr) return false;
    PopupComponent = &Invoker;
    return Popup(*window, Invoker.ClientToScreen(ClientPoint));
}

}  // namespace kandrel::ui
