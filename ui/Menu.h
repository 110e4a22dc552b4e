// The menu model: a tree of items. A command item runs OnClick when chosen;
// a submenu item holds child items (and may carry a check mark itself); a
// separator item draws a line. The root of a popup menu is an item of kind
// Root holding the top-level items. Parents own their children.
//
// Backend contract (TrackPopupMenu): show Caption (an "&" marks the
// mnemonic), a check mark when Checked, a bold caption when Bold, greyed and
// not choosable when not Enabled; submenus open their children; separators
// are lines. Answer the chosen command item.
//
// User-interface thread only.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace kandrel::ui {

class TMenuItem;

using TMenuItemEvent = std::function<void(TMenuItem& Sender)>;

enum class TMenuItemKind : uint8_t { Root, Command, Submenu, Separator };

class TMenuItem {
public:
    explicit TMenuItem(std::string ACaption = {}, int64_t ATag = 0) : TMenuItem(TMenuItemKind::Command, std::move(ACaption), ATag) {}
    virtual ~TMenuItem();
    TMenuItem(const TMenuItem&) = delete;
    TMenuItem& operator=(const TMenuItem&) = delete;

    TMenuItemKind Kind() const { return FKind; }
    bool IsSubmenu() const { return FKind == TMenuItemKind::Submenu; }

    std::string Caption;
    int64_t Tag = 0;  // pointer-wide: may hold a reference to an object
    bool Checked = false;
    bool Enabled = true;
    bool Bold = false;  // the default item's look
    TMenuItemEvent OnClick;

    // --- children (root and submenu items only; others throw std::logic_error)
    TMenuItem* Parent() const { return FParent; }
    int32_t Count() const { return static_cast<int32_t>(FItems.size()); }
    // The child at Index; throws std::out_of_range outside.
    TMenuItem& Items(int32_t Index) const;
    int32_t IndexOf(const TMenuItem* Item) const;
    // Adds Item as the last child, or before the child at Index; answers it.
    template <class T>
    T& Add(std::unique_ptr<T> Item) {
        T& ref = *Item;
        InsertItem(Count(), std::move(Item));
        return ref;
    }
    template <class T>
    T& Insert(int32_t Index, std::unique_ptr<T> Item) {
        T& ref = *Item;
        InsertItem(Index, std::move(Item));
        return ref;
    }
    // Frees the child at Index / all children.
    void Delete(int32_t Index);
    void Clear();

    // Runs OnClick (with a copy of the handler, so the handler may free the item).
    void Click();

protected:
    TMenuItem(TMenuItemKind AKind, std::string ACaption, int64_t ATag);

private:
    void InsertItem(int32_t Index, std::unique_ptr<TMenuItem> Item);

    TMenuItemKind FKind;
    TMenuItem* FParent = nullptr;
    std::vector<std::unique_ptr<TMenuItem>> FItems;
};

class TSubmenuItem final : public TMenuItem {
public:
    explicit TSubmenuItem(std::string ACaption = {}, int64_t ATag = 0)
        : TMenuItem(TMenuItemKind::Submenu, std::move(ACaption), ATag) {}
};

class TSeparatorItem final : public TMenuItem {
public:
    TSeparatorItem() : TMenuItem(TMenuItemKind::Separator, {}, 0) {}
};

// The root of a popup menu's tree.
class TMenuRootItem final : public TMenuItem {
public:
    TMenuRootItem() : TMenuItem(TMenuItemKind::Root, {}, 0) {}
};

}  // namespace kandrel::ui
