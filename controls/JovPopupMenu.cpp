#include "controls/JovPopupMenu.h"

namespace kandrel::controls {

namespace {

void CheckChildren(ui::TMenuItem& Start, int64_t Tag, bool CheckParents) {
    const int32_t count = Start.Count();  // taken once at entry
    for (int32_t i = 0; i < count && i < Start.Count(); ++i) {
        ui::TMenuItem& item = Start.Items(i);
        if (item.Tag == Tag) {
            item.Checked = true;
            if (CheckParents)
                for (ui::TMenuItem* p = item.Parent(); p != nullptr && p->IsSubmenu(); p = p->Parent())
                    p->Checked = true;
        } else {
            item.Checked = false;
        }
        if (item.IsSubmenu()) CheckChildren(item, Tag, CheckParents);
    }
}

}  // namespace

void TJovPopupMenu::CheckItemByTag(int32_t Tag, ui::TMenuItem* Parent, bool CheckParents) {
    CheckChildren(Parent != nullptr ? *Parent : Items, static_cast<int64_t>(Tag), CheckParents);
}

}  // namespace kandrel::controls
