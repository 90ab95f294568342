#include "platform/menu.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QWidget>
#include <string>
#include <vector>

#include "platform/qt/qt_window.h"
#include "platform/services/keycodes.h"
#include "tests/window/menu_table.h"

namespace abacone {
namespace {

QStringList Texts(const QMenu* menu) {
    QStringList texts;
    for (const QAction* a : menu->actions()) texts << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return texts;
}

TEST(PopupMenu, ShowsOnlyTheVisibleTreeWithShortcutTextsAndMarks) {
    MenuOwner owner;
    Form window(BorderStyle::None, false);
    window.SetPopupMenu(std::make_unique<PopupMenu>(MenuItems<MenuOwner>(owner, kTable)));
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
