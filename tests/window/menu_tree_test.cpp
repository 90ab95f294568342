// The popup menu's tree and shortcut lookup, and the access letters of captions: the
// logic every implementation of the window layer shares.
#include <gtest/gtest.h>

#include "platform/button.h"
#include "tests/window/menu_table.h"

namespace abacone {
namespace {

TEST(PopupMenu, ShortcutsReachHiddenEntriesAndHiddenSubmenus) {
    MenuOwner owner;
    PopupMenu menu(MenuItems<MenuOwner>(owner, kTable));
    for (const auto& [code, name] :
         {std::pair{scCtrl + vk::Up, "Up"}, {scCtrl + vk::End, "Exit1"}, {scCtrl + 'C', "Copy"}}) {
        const MenuItem* item = menu.FindShortcut(code);
        ASSERT_NE(item, nullptr) << name;
        EXPECT_EQ(item->Name, name);
    }
    EXPECT_EQ(menu.FindShortcut(scShift + scCtrl + 'C'), nullptr);
    EXPECT_EQ(menu.FindShortcut(0), nullptr);  // entries without a shortcut never match
    menu.FindShortcut(scCtrl + vk::Up)->OnClick();
    EXPECT_EQ(owner.calls, std::vector<std::string>{"Up"});
    EXPECT_TRUE(menu.FindShortcut(scCtrl + vk::End)->FreshPressOnly);
}

TEST(AccessKey, TheLetterAfterTheFirstSingleAmpersand) {
    const struct {
        const char* Caption;
        int Key;
        // clang-format off
    } cases[] = {
        {"&Enter.", 'E'}, {"&cancel", 'C'}, {"閉じる:&X", 'X'}, {"複写 (&3)", '3'},
        {"A&&B", 0},      {"&&&B", 'B'},    {"no letter", 0},   {"end&", 0},
        {"&.", 0},        {"&ｷ", 0},
    };
    // clang-format on
    for (const auto& c : cases) EXPECT_EQ(AccessKeyOf(c.Caption), c.Key) << c.Caption;
}

}  // namespace
}  // namespace abacone
