#include <gtest/gtest.h>

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QWidget>
#include <string>
#include <vector>

#include "platform/services/keycodes.h"
#include "platform/menu.h"
#include "platform/qt/qt_window.h"

namespace abacone {
namespace {

struct Owner {
    std::vector<std::string> calls;
    void Copy() { calls.push_back("Copy"); }
    void Up() { calls.push_back("Up"); }
    void Top() { calls.push_back("Top"); }
    void Exit() { calls.push_back("Exit"); }
};

constexpr MenuSpec<Owner> kTable[] = {
    {0, "Copy", "複写 (&C)", scCtrl + 'C', 0, &Owner::Copy},
    {0, "Move", "移動 (&F)", 0, 0, nullptr},
    {1, "Nudge", "微妙に移動 (&D)", 0, mfHidden, nullptr},
    {2, "Up", "上 (&U)", scCtrl + vk::Up, 0, &Owner::Up},
    {1, "Sep", "-", 0, 0, nullptr},
    {1, "Top", "最上置 (&T)", scCtrl + 'T', mfChecked | mfRadio, &Owner::Top},
    {0, "Exit1", "終了 (&X)", scCtrl + vk::End, mfHidden | mfFreshPress, &Owner::Exit},
    {0, "Exit", "終了 (&X)", 0, 0, &Owner::Exit},
};

QStringList Texts(const QMenu* menu) {
    QStringList texts;
    for (const QAction* a : menu->actions()) texts << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return texts;
}

TEST(PopupMenu, ShortcutsReachHiddenEntriesAndHiddenSubmenus) {
    Owner owner;
    PopupMenu menu(MenuItems<Owner>(owner, kTable));
    for (const auto& [code, name] : {std::pair{scCtrl + vk::Up, "Up"}, {scCtrl + vk::End, "Exit1"},
                                     {scCtrl + 'C', "Copy"}}) {
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

TEST(PopupMenu, ShowsOnlyTheVisibleTreeWithShortcutTextsAndMarks) {
    Owner owner;
    Form window(BorderStyle::None, false);
    window.SetPopupMenu(std::make_unique<PopupMenu>(MenuItems<Owner>(owner, kTable)));
    EXPECT_EQ(BuiltMenu(window), nullptr);  // nothing is built before the first popup
    window.PopupAt({10, 10});
    QMenu* built = BuiltMenu(window);
    ASSERT_NE(built, nullptr);
    EXPECT_EQ(Texts(built), (QStringList{"複写 (&C)\tCtrl+C", "移動 (&F)", "終了 (&X)"}));
    QMenu* sub = built->actions()[1]->menu();
    ASSERT_NE(sub, nullptr);
    EXPECT_EQ(Texts(sub), (QStringList{"-", "最上置 (&T)\tCtrl+T"}));
    QAction* top = sub->actions()[1];
    EXPECT_TRUE(top->isChecked());
    ASSERT_NE(top->actionGroup(), nullptr);
    EXPECT_TRUE(top->actionGroup()->isExclusive());  // drawn as a radio mark

    // A mark is the entry's own flag: the next popup shows what the handlers left.
    window.Menu()->Find("Top")->Checked = false;
    top->trigger();
    built->hide();
    window.PopupAt({10, 10});
    EXPECT_FALSE(top->isChecked());
    EXPECT_EQ(owner.calls, std::vector<std::string>{"Top"});
    built->hide();
}

}  // namespace
}  // namespace abacone
