#include "tests/ui/main_window_fixture.h"
#include "ui/main/reset.h"

namespace abacone {
namespace {

constexpr auto Shift = Qt::ShiftModifier, Ctrl = Qt::ControlModifier;

TEST_F(MainWindowTest, CtrlCCopiesAndNeverReachesTheCharacterKeys) {
    Type("9=m");  // "r" would recall this 9
    Type("15=");
    Press(Qt::Key_C, Ctrl, "c");
    EXPECT_EQ(Copied(), "15");
    EXPECT_EQ(Text("Label2").back(), 'C');
    Type("16");
    Press(Qt::Key_R, Ctrl, "r");  // square root, not the recall of "r"
    EXPECT_EQ(Shown(), "4");
    Type("c");
    EXPECT_EQ(Shown(), "4");
    EXPECT_TRUE(dialog.titles.empty());
}

TEST_F(MainWindowTest, ShiftedShortcutsReachTheirOwnEntries) {
    const struct {
        const char* Before;
        Qt::Key Key;
        Qt::KeyboardModifiers Modifiers;
        const char* After;
        const char* Shown;
        const char* Dialog;  // title the value dialog was asked with, "" for none
    } cases[] = {
        {"15=", Qt::Key_C, Ctrl, "", "15", ""},
        {"15=", Qt::Key_C, Shift | Ctrl, "", "15", "cos X"},
        {"16", Qt::Key_R, Ctrl, "", "4", ""},
        {"2.5", Qt::Key_R, Shift | Ctrl, "", "3", ""},
        {"7", Qt::Key_O, Ctrl, "3=", "1", ""},
        {"7=", Qt::Key_O, Shift | Ctrl, "", "7", "Or X"},
        {"5=", Qt::Key_P, Shift | Ctrl, "", "-5", ""},
        {"5", Qt::Key_P, Ctrl, "", "-5", ""},
        {"5", Qt::Key_N, Ctrl, "", "-5", ""},
        {"5", Qt::Key_F, Ctrl, "", "0", ""},
        {"2.75=", Qt::Key_K, Ctrl, "", "2", ""},
        {"2048", Qt::Key_K, Shift | Ctrl, "", "2", ""},
        {"90", Qt::Key_Z, Shift | Ctrl, "", "1.5", ""},
        {"8", Qt::Key_3, Ctrl, "", "6", ""},
        {"6", Qt::Key_4, Ctrl, "", "8", ""},
        {"13", Qt::Key_8, Ctrl, "", "16", ""},
        {"1=", Qt::Key_S, Shift | Ctrl, "", "1", "sin X"},
        {"1=", Qt::Key_A, Shift | Ctrl, "", "1", "And X"},
    };
    for (const auto& c : cases) {
        ResetWindowState();
        dialog.titles.clear();
        Type(c.Before);
        Press(c.Key, c.Modifiers, QString(QChar(c.Key).toLower()));
        Type(c.After);
        EXPECT_EQ(Shown(), c.Shown) << c.Before << " " << QTest::toString(c.Key);
        const std::string asked = dialog.titles.empty() ? "" : dialog.titles.front();
        EXPECT_EQ(asked, c.Dialog) << c.Before << " " << QTest::toString(c.Key);
    }
}

TEST_F(MainWindowTest, UnitConversionsMatchTheKeyNotTheShiftedCharacter) {
    const struct {
        const char* Value;
        Qt::Key Digit;
        Qt::Key UsSymbol;  // what a US layout reports for Shift+digit
        const char* Shown;
        // clang-format off
    } cases[] = {
        {"254", Qt::Key_1, Qt::Key_Exclam, "10"},       {"254", Qt::Key_2, Qt::Key_At, "100"},
        {"10", Qt::Key_3, Qt::Key_NumberSign, "254"},   {"100", Qt::Key_4, Qt::Key_Dollar, "254"},
        {"24", Qt::Key_5, Qt::Key_Percent, "2"},        {"2", Qt::Key_6, Qt::Key_AsciiCircum, "24"},
    };
    // clang-format on
    for (const auto& c : cases) {
        for (Qt::Key key : {c.Digit, c.UsSymbol}) {
            ResetWindowState();
            Type(c.Value);
            Press(key, Shift | Ctrl, QString(QChar(key)));
            EXPECT_EQ(Shown(), c.Shown) << QTest::toString(key);
        }
    }
}

TEST_F(MainWindowTest, ShortcutsOfKeysOutsideTheCompactLayoutWork) {
    ASSERT_EQ(form->ClientHeight(), 76);
    Type("42=m");
    Press(Qt::Key_F1, Ctrl);
    EXPECT_EQ(Copied(), "42");
    Press(Qt::Key_F3, Ctrl);
    EXPECT_EQ(Copied(), "0x2A");
    Press(Qt::Key_F5, Ctrl);
    EXPECT_EQ(Copied(), "0b00101010");
    clipboard.SetText("2*21=");
    Press(Qt::Key_V, Ctrl, "v");
    EXPECT_EQ(Shown(), "42");
    Type("1+");
    clipboard.SetText("2=");
    Press(Qt::Key_V, Shift | Ctrl, "v");  // goes on from the calculation in progress
    EXPECT_EQ(Shown(), "3");
    clipboard.SetText("1,200\n3,400\n560\n");
    Press(Qt::Key_G, Ctrl, "g");
    EXPECT_EQ(Shown(), "5160");
    EXPECT_EQ(Text("Label2"), "=");
}

TEST_F(MainWindowTest, CtrlEndClosesOnAFreshPressOnlyAndNeverClearsTheError) {
    Widget(*form)->show();
    Type("1/0=");
    Press(Qt::Key_End, Ctrl, {}, /*autoRepeat=*/true);  // a key held since a dialog closed
    EXPECT_TRUE(commands.calls.empty());
    EXPECT_EQ(State.ErrorLatched, 1);
    Press(Qt::Key_End, Ctrl);
    EXPECT_EQ(commands.calls, std::vector<std::string>{"ExitCalculator"});
    EXPECT_EQ(State.ErrorLatched, 1);
    EXPECT_EQ(Text("Label2"), "E");
}

TEST_F(MainWindowTest, HeldKeysOtherThanExitStillRepeat) {
    Type("1234");
    Press(Qt::Key_Backspace, {}, "\b", true);
    Press(Qt::Key_Backspace, {}, "\b", true);
    EXPECT_EQ(Shown(), "12");
}

}  // namespace
}  // namespace abacone
