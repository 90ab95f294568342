#include <QAction>
#include <QMenu>

#include "platform/services/keycodes.h"
#include "tests/ui/main_window_fixture.h"

namespace abacone {
namespace {

enum Marks : unsigned { None = 0, Hidden = 1, Checked = 2, Radio = 4 };

struct Entry {
    const char* Position;
    const char* Name;
    const char* Caption;
    const char* Shortcut;
    unsigned Marks;
};

// Every entry of the popup menu, in tree order.
const Entry kMenu[] = {
    {"1", "KC1", "複写 (&C)", "Ctrl+C", None},
    {"2", "KO1", "特殊 (&O)", "", None},
    {"2.1", "KH2", "16進数で複写 (&H)", "Ctrl+H", None},
    {"2.2", "KB1", "２進数で複写 (&B)", "Ctrl+B", None},
    {"2.3", "N3", "-", "", None},
    {"2.4", "K161", "16進数入力 (&I)", "Shift+Ctrl+H", None},
    {"2.5", "KD1", "２進数表示 (&D)", "Shift+Ctrl+B", None},
    {"2.6", "N5", "-", "", None},
    {"2.7", "K1", "ルート (&R)", "Ctrl+R", None},
    {"2.8", "KP1", "答の正負反転 (&P)", "Shift+Ctrl+P", None},
    {"2.9", "Mod1", "&Mod", "Ctrl+O", None},
    {"2.10", "KO2", "端数切捨 (&K)", "Ctrl+K", None},
    {"2.11", "KR3", "四捨五入 (R)", "Shift+Ctrl+R", None},
    {"2.12", "N2", "-", "", None},
    {"2.13", "KS1", "特殊計算 (&S)", "", None},
    {"2.13.1", "KC4", "ｺﾝﾋﾟｭｰﾀ単位 (&C)", "Shift+Ctrl+K", None},
    {"2.13.2", "KT1", "時間単位 (&T)", "Shift+Ctrl+Z", None},
    {"2.13.3", "KCRT1", "&CRT 比率計算", "", None},
    {"2.13.3.1", "K431", "4:&3 で 横→縦", "Ctrl+3", None},
    {"2.13.3.2", "K432", "&4:3 で 縦→横", "Ctrl+4", None},
    {"2.13.3.3", "K81", "&8 の倍数近傍", "Ctrl+8", None},
    {"2.13.4", "KU2", "単位換算 (&U)", "", None},
    {"2.13.4.1", "Kmminch11", "mm → inch (&1)", "Shift+Ctrl+1", None},
    {"2.13.4.2", "Kcminch21", "cm → inch (&2)", "Shift+Ctrl+2", None},
    {"2.13.4.3", "Kinchmm31", "inch → mm (&3)", "Shift+Ctrl+3", None},
    {"2.13.4.4", "Kinch1", "inch → cm (&4)", "Shift+Ctrl+4", None},
    {"2.13.4.5", "Kinchfeet1", "inch → feet (&5)", "Shift+Ctrl+5", None},
    {"2.13.4.6", "Kfeetinch61", "feet → inch (&6)", "Shift+Ctrl+6", None},
    {"2.14", "N11", "-", "", None},
    {"2.15", "KF1", "強制移動 (&F)", "", None},
    {"2.15.1", "K11", "右下へ移動 (&1)", "Ctrl+F9", None},
    {"2.15.2", "K21", "左下へ移動 (&2)", "Ctrl+F10", None},
    {"2.15.3", "K32", "右上へ移動 (&3)", "Ctrl+F11", None},
    {"2.15.4", "K9", "左上へ移動 (&4)", "Ctrl+F12", None},
    {"2.15.5", "K10", "中央へ移動 (&C)", "Ctrl+I", None},
    {"2.15.6", "KD3", "微妙に移動 (&D)", "", Hidden},
    {"2.15.6.1", "KU1", "上 (&U)", "Ctrl+Up", None},
    {"2.15.6.2", "KD4", "下 (&D)", "Ctrl+Down", None},
    {"2.15.6.3", "KL1", "左 (&L)", "Ctrl+Left", None},
    {"2.15.6.4", "KR2", "右 (&R)", "Ctrl+Right", None},
    {"3", "KF2", "関数 (&F)", "", None},
    {"3.1", "Inp_Pi", "πを入力 (&P)", "Shift+Ctrl+I", None},
    {"3.2", "InpSin", "&sin X の入力", "Shift+Ctrl+S", None},
    {"3.3", "InpCos", "&cos X の入力", "Shift+Ctrl+C", None},
    {"3.4", "InpTan", "&tan X の入力", "Shift+Ctrl+T", None},
    {"3.5", "InpMul", "XのY乗 (&M)", "Shift+Ctrl+M", None},
    {"3.6", "InpLog", "lo&g X (&T)", "Shift+Ctrl+G", None},
    {"3.7", "InpLn", "&ln X (自然対数)", "Shift+Ctrl+L", None},
    {"3.8", "FnAnd", "&And X 演算", "Shift+Ctrl+A", None},
    {"3.9", "FnOr", "&Or X 演算", "Shift+Ctrl+O", None},
    {"3.10", "FnExor", "E&xor 演算", "Shift+Ctrl+X", None},
    {"4", "KI1", "入力 (&I)", "", None},
    {"4.1", "K3", "入力正負反転 (&P)", "Ctrl+P", None},
    {"4.2", "K2", "入力を負に (&M)", "Ctrl+N", None},
    {"4.3", "KC2", "入力のﾌﾗｯｼｭ (&F)", "Ctrl+F", None},
    {"4.4", "N9", "-", "", None},
    {"4.5", "N10", "ｸﾘｱ後ｸﾘｯﾌﾟﾎﾞｰﾄﾞから計算 (&C)", "Ctrl+V", None},
    {"4.6", "KD2", "ｸﾘｯﾌﾟﾎﾞｰﾄﾞからそのまま計算 (&D)", "Shift+Ctrl+V", None},
    {"4.7", "KG1", "合計", "Ctrl+G", None},
    {"5", "KM1", "ﾒﾓﾘ (&M)", "", None},
    {"5.1", "KM2", "メモリ１へ格納 (&M)", "", None},
    {"5.2", "K5", "メモリ２へ格納 (&N)", "", None},
    {"5.3", "N4", "-", "", None},
    {"5.4", "KR1", "メモリ１の復元 (&R)", "", None},
    {"5.5", "K6", "メモリ２の復元 (&E)", "", None},
    {"5.6", "N6", "-", "", None},
    {"5.7", "KC3", "メモリの複写 (&C)", "", None},
    {"5.7.1", "K7", "メモリ１(10進数) (&1)", "Ctrl+F1", None},
    {"5.7.2", "K8", "メモリ２(10進数) (&2)", "Ctrl+F2", None},
    {"5.7.3", "N7", "-", "", None},
    {"5.7.4", "K31", "メモリ１(16進数) (&3)", "Ctrl+F3", None},
    {"5.7.5", "K1641", "メモリ２(16進数) (&4)", "Ctrl+F4", None},
    {"5.7.6", "N8", "-", "", None},
    {"5.7.7", "K51", "メモリ１(２進数) (&5)", "Ctrl+F5", None},
    {"5.7.8", "K61", "メモリ２(２進数) (&6)", "Ctrl+F6", None},
    {"6", "Extra", "拡張 (&E)", "Ctrl+E", None},
    {"7", "N1", "-", "", None},
    {"8", "K4", "Etc. (&T)", "", None},
    {"8.1", "MTop", "最上置 (&T)", "Ctrl+T", Checked | Radio},
    {"8.2", "MCapt", "ｷｬﾌﾟｼｮﾝ (&C)", "Shift+Ctrl+F1", Checked | Radio},
    {"8.3", "AttachWin", "張付ﾓｰﾄﾞ (&A)", "Ctrl+Alt+A", Radio},
    {"8.4", "KA1", "概要 (&O)", "F1", None},
    {"8.5", "KQ1", "最小化 (&Q)", "Ctrl+Q", None},
    {"8.6", "Exit1", "終了 (&X)", "Ctrl+End", Hidden},
    {"9", "KX1", "終了 (&X)", "", None},
};

int LevelOf(std::string_view position) { return int(std::count(position.begin(), position.end(), '.')); }

TEST_F(MainWindowTest, EveryMenuEntryWithCaptionShortcutAndMarks) {
    const std::vector<MenuItem>& items = form->Menu()->Items();
    ASSERT_EQ(items.size(), std::size(kMenu));
    for (std::size_t i = 0; i < items.size(); ++i) {
        const Entry& e = kMenu[i];
        const MenuItem& item = items[i];
        EXPECT_EQ(item.Name, e.Name) << e.Position;
        EXPECT_EQ(item.Level, LevelOf(e.Position)) << e.Position;
        EXPECT_EQ(item.Caption, e.Caption) << e.Position;
        EXPECT_EQ(ShortcutText(item.Shortcut), e.Shortcut) << e.Position;
        EXPECT_EQ(!item.Visible, bool(e.Marks & Hidden)) << e.Position;
        EXPECT_EQ(item.Checked, bool(e.Marks & Checked)) << e.Position;
        EXPECT_EQ(item.RadioItem, bool(e.Marks & Radio)) << e.Position;
        const bool leaf = !form->Menu()->HasChildren(i) && item.Caption != "-";
        EXPECT_EQ(bool(item.OnClick), leaf) << e.Position;
    }
}

TEST_F(MainWindowTest, NoTwoEntriesShareAShortcut) {
    std::vector<int> codes;
    for (const MenuItem& item : form->Menu()->Items())
        if (item.Shortcut) codes.push_back(item.Shortcut);
    std::sort(codes.begin(), codes.end());
    EXPECT_EQ(std::adjacent_find(codes.begin(), codes.end()), codes.end());
}

TEST_F(MainWindowTest, RightClickShowsTheVisibleMenuWithoutTheHiddenEntries) {
    Widget(*form)->show();
    QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(5, 40), Widget(*form)->mapToGlobal(QPoint(5, 40)));
    QApplication::sendEvent(Widget(*Control("Panel7")), &click);
    QMenu* menu = BuiltMenu(*form);
    ASSERT_TRUE(menu && menu->isVisible());
    QStringList top;
    for (const QAction* a : menu->actions()) top << (a->isSeparator() ? "-" : a->text());
    EXPECT_EQ(top, (QStringList{"複写 (&C)\tCtrl+C", "特殊 (&O)", "関数 (&F)", "入力 (&I)", "ﾒﾓﾘ (&M)",
                                "拡張 (&E)\tCtrl+E", "-", "Etc. (&T)", "終了 (&X)"}));
    QMenu* etc = menu->actions()[7]->menu();
    ASSERT_NE(etc, nullptr);
    QStringList etcTexts;
    for (const QAction* a : etc->actions()) etcTexts << a->text() + (a->isChecked() ? " *" : "");
    EXPECT_EQ(etcTexts, (QStringList{"最上置 (&T)\tCtrl+T *", "ｷｬﾌﾟｼｮﾝ (&C)\tShift+Ctrl+F1 *",
                                     "張付ﾓｰﾄﾞ (&A)\tCtrl+Alt+A", "概要 (&O)\tF1", "最小化 (&Q)\tCtrl+Q"}));
    QMenu* move = menu->actions()[1]->menu()->actions().last()->menu();
    ASSERT_NE(move, nullptr);
    EXPECT_EQ(move->actions().size(), 5);  // the nudges' submenu is never shown
    // Choosing an entry calls its handler and the window renders.
    Type("16");
    menu->actions()[1]->menu()->actions()[6]->trigger();  // "ルート (&R)"
    EXPECT_EQ(Shown(), "4");
    menu->hide();
}

}  // namespace
}  // namespace abacone

namespace abacone {
namespace {

// The entries that act on the window as a whole reach the shell's commands, each its own.
TEST_F(MainWindowTest, WindowCommandEntriesGoToTheInstalledCommands) {
    // clang-format off
    const std::pair<const char*, const char*> kRoutes[] = {
        {"K11", "MoveToBottomRight"}, {"K21", "MoveToBottomLeft"}, {"K32", "MoveToTopRight"},
        {"K9", "MoveToTopLeft"},      {"K10", "MoveToCentre"},     {"KU1", "NudgeUp"},
        {"KD4", "NudgeDown"},         {"KL1", "NudgeLeft"},        {"KR2", "NudgeRight"},
        {"Extra", "ToggleExtendedKeypad"}, {"MTop", "ToggleStayOnTop"}, {"MCapt", "ToggleCaption"},
        {"AttachWin", "ToggleAttachMode"}, {"KA1", "ShowAbout"},   {"KQ1", "MinimiseCalculator"},
        {"Exit1", "ExitCalculator"},  {"KX1", "ExitCalculator"},
    };
    // clang-format on
    for (const auto& [entry, command] : kRoutes) {
        commands.calls.clear();
        MenuItem* item = form->Menu()->Find(entry);
        ASSERT_TRUE(item && item->OnClick) << entry;
        item->OnClick();
        EXPECT_EQ(commands.calls, std::vector<std::string>{command}) << entry;
    }
}

}  // namespace
}  // namespace abacone
