// Check marks by Tag on the program's popup menus.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "common/JovCommon.h"
#include "controls/JovPopupMenu.h"

namespace kandrel::testing {
namespace {

using namespace kandrel::ui;
using controls::TJovPopupMenu;

// A value menu as the numeric boxes build it: a submenu per decade
// ("0 - 9" ... "120 - 127", Tag -999) holding the values 0..127 by Tag.
void BuildValueMenu(TJovPopupMenu& Menu) {
    TSubmenuItem* group = nullptr;
    for (int32_t v = 0; v <= 127; ++v) {
        if (v % 10 == 0) group = &Menu.Items.Add(std::make_unique<TSubmenuItem>(GetCCGroupText(v), -999));
        group->Add(std::make_unique<TMenuItem>(std::to_string(v), v));
    }
}

// Calls F for every item below Root.
template <class F>
void ForEach(TMenuItem& Root, F&& Fn) {
    for (int32_t i = 0; i < Root.Count(); ++i) {
        Fn(Root.Items(i));
        ForEach(Root.Items(i), Fn);
    }
}

void CheckAll(TMenuItem& Root) {
    ForEach(Root, [](TMenuItem& Item) { Item.Checked = true; });
}

TEST(ControlsPopupMenu, ValueMenuChecksTheValueAndWithCheckParentsItsDecade) {
    for (const bool checkParents : {true, false}) {
        TJovPopupMenu menu;
        BuildValueMenu(menu);
        ASSERT_EQ(menu.Items.Count(), 13);
        CheckAll(menu.Items);
        menu.CheckItemByTag(64, nullptr, checkParents);
        int checked = 0;
        ForEach(menu.Items, [&](TMenuItem& Item) {
            if (!Item.Checked) return;
            ++checked;
            EXPECT_TRUE(Item.Caption == "64" || (checkParents && Item.Caption == "60 - 69")) << Item.Caption;
        });
        EXPECT_EQ(checked, checkParents ? 2 : 1);
        EXPECT_TRUE(menu.Items.Items(6).Items(4).Checked);
    }
}

TEST(ControlsPopupMenu, StartingAtASubmenuLeavesEverythingOutsideItAlone) {
    TJovPopupMenu menu;
    TMenuItem& init = menu.Items.Add(std::make_unique<TMenuItem>("Init", 0));
    menu.Items.Add(std::make_unique<TSeparatorItem>());
    TMenuItem& learn = menu.Items.Add(std::make_unique<TMenuItem>("MIDI CC Learn", 0));
    TSubmenuItem& skin = menu.Items.Add(std::make_unique<TSubmenuItem>("Skin", 0));
    for (const char* name : {"Carbon", "Dark", "Light", "Luna", "Smokey"})
        skin.Add(std::make_unique<TMenuItem>(name, skin.Count()));
    init.Checked = true;
    learn.Checked = false;
    skin.Checked = true;
    skin.Items(0).Checked = true;

    menu.CheckItemByTag(3, &skin, false);
    for (int32_t i = 0; i < skin.Count(); ++i) EXPECT_EQ(skin.Items(i).Checked, i == 3) << i;
    EXPECT_TRUE(init.Checked);
    EXPECT_FALSE(learn.Checked);
    EXPECT_TRUE(skin.Checked);
}

TEST(ControlsPopupMenu, MissingTagUnchecksAllAndDuplicateTagsAreAllChecked) {
    TJovPopupMenu menu;
    menu.Items.Add(std::make_unique<TMenuItem>("a", 5));
    TSubmenuItem& outer = menu.Items.Add(std::make_unique<TSubmenuItem>("outer", 1));
    TSubmenuItem& inner = outer.Add(std::make_unique<TSubmenuItem>("inner", 2));
    inner.Add(std::make_unique<TMenuItem>("b", 5));
    outer.Add(std::make_unique<TMenuItem>("c", 6));
    menu.Items.Add(std::make_unique<TSeparatorItem>());

    CheckAll(menu.Items);
    menu.CheckItemByTag(99, nullptr, true);
    ForEach(menu.Items, [](TMenuItem& Item) { EXPECT_FALSE(Item.Checked) << Item.Caption; });

    menu.CheckItemByTag(5, nullptr, true);
    std::string checked;
    ForEach(menu.Items, [&](TMenuItem& Item) {
        if (Item.Checked) checked += Item.Caption + " ";
    });
    EXPECT_EQ(checked, "a outer inner b ");

    // Tags are compared at 64 bits: a Tag beyond 32 bits never matches a widened 32-bit value.
    menu.Items.Items(0).Tag = (int64_t{1} << 32) + 5;
    menu.CheckItemByTag(5, nullptr, false);
    EXPECT_FALSE(menu.Items.Items(0).Checked);
    EXPECT_TRUE(inner.Items(0).Checked);
}

}  // namespace
}  // namespace kandrel::testing
