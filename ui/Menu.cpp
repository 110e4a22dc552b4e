#include "ui/Menu.h"

#include <algorithm>
#include <stdexcept>

namespace kandrel::ui {

TMenuItem::TMenuItem(TMenuItemKind AKind, std::string ACaption, int64_t ATag)
    : Caption(std::move(ACaption)), Tag(ATag), FKind(AKind) {}

TMenuItem::~TMenuItem() = default;

TMenuItem& TMenuItem::Items(int32_t Index) const {
    if (Index < 0 || Index >= Count()) throw std::out_of_range("Menu item index out of range");
    return *FItems[static_cast<size_t>(Index)];
}

int32_t TMenuItem::IndexOf(const TMenuItem* Item) const {
    for (size_t i = 0; i < FItems.size(); ++i)
        if (FItems[i].get() == Item) return static_cast<int32_t>(i);
    return -1;
}

void TMenuItem::InsertItem(int32_t Index, std::unique_ptr<TMenuItem> Item) {
    if (FKind != TMenuItemKind::Root && FKind != TMenuItemKind::Submenu)
        throw std::logic_error("Only a menu or a submenu holds items");
    if (!Item) throw std::invalid_argument("No menu item to add");
    Index = std::clamp(Index, 0, Count());
    Item->FParent = this;
    FItems.insert(FItems.begin() + Index, std::move(Item));
}

void TMenuItem::Delete(int32_t Index) {
    if (Index < 0 || Index >= Count()) throw std::out_of_range("Menu item index out of range");
    FItems.erase(FItems.begin() + Index);
}

void TMenuItem::Clear() { FItems.clear(); }

void TMenuItem::Click() {
    const TMenuItemEvent handler = OnClick;
    if (handler) handler(*this);
}

}  // namespace kandrel::ui
