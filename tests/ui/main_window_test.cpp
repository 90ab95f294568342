#include <QToolTip>

#include "engine/display.h"
#include "tests/ui/main_window_fixture.h"
#include "ui/main/reset.h"

namespace abacone {
namespace {

TEST_F(MainWindowTest, StartsShowingZeroCompactAndOnTop) {
    EXPECT_EQ(Shown(), "0");
    EXPECT_EQ(Text("Label3"), "0");
    EXPECT_EQ(Text("Label2"), "+");
    EXPECT_EQ(Control("Panel23")->Hint(), "正負反転\n(Space Key)");
    EXPECT_EQ(form->ClientWidth(), 173);
    EXPECT_EQ(form->ClientHeight(), 76);
    EXPECT_TRUE(form->StayOnTop());
    EXPECT_EQ(Widget(*form)->windowTitle().toStdString(), "Abacone");
    EXPECT_EQ(Form1, form.get());
    EXPECT_EQ(QToolTip::palette().color(QPalette::ToolTipBase), QColor(223, 255, 248));
}

TEST_F(MainWindowTest, TypedCharactersAndVirtualKeys) {
    const struct {
        const char* Keys;
        int ThenKey;  // a virtual key pressed after the characters, 0: none
        const char* Shown;
        const char* Indicator;
    } cases[] = {
        {"12+3=", 0, "15", "="},
        {"12+3", Qt::Key_Return, "15", "="},  // Enter acts once, through its key
        {"12+3", Qt::Key_PageDown, "15", "="},
        {"9-12=", 0, "-3", "="},
        {"2*3=", 0, "6", "="},
        {"9/2=", 0, "4.5", "="},
        {"7\\3=", 0, "1", "="},
        {"123\b", 0, "12", "+"},
        {"123", Qt::Key_Delete, "12", "+"},
        {"5= ", 0, "-5", "="},
        {"5=z", 0, "-5", "="},
        {"5=Z", 0, "-5", "="},
        {"1.5+1=", 0, "2.5", "="},
        {"5+", Qt::Key_Escape, "0", "+"},
        {"5+", Qt::Key_Home, "0", "+"},
        {"5c", 0, "5", "+"},  // letters without a binding do nothing
    };
    for (const auto& c : cases) {
        ResetWindowState();
        form->Render();
        Type(c.Keys);
        if (c.ThenKey) Press(c.ThenKey);
        EXPECT_EQ(Shown(), c.Shown) << c.Keys;
        EXPECT_EQ(Text("Label2"), c.Indicator) << c.Keys;
    }
}

TEST_F(MainWindowTest, NumericKeypadWithItsEnter) {
    for (int key : {Qt::Key_1, Qt::Key_2, Qt::Key_Plus, Qt::Key_3}) Press(key, Qt::KeypadModifier, QString(QChar(key)));
    Press(Qt::Key_Enter, Qt::KeypadModifier, "\r");
    EXPECT_EQ(Shown(), "15");
    EXPECT_EQ(Text("Label3"), "F");
}

TEST_F(MainWindowTest, PanelClicks) {
    const struct {
        std::vector<const char*> Panels;
        const char* Shown;
    } cases[] = {
        {{"Panel4", "Panel5", "Panel16", "Panel6", "Panel3"}, "15"},
        {{"Panel10", "Panel13", "Panel5", "Panel3"}, "3.5"},
        {{"Panel12", "Panel14", "Panel12", "Panel3", "Root"}, "9"},
        {{"Panel8", "Panel3", "Panel23"}, "-5"},
        {{"Panel8", "Panel7", "Panel17"}, "5"},
        {{"Panel8", "InputPM"}, "-5"},
        {{"Panel8", "Panel16", "Panel1", "Panel3", "Panel20"}, "0"},
        {{"Panel10", "Panel24", "Panel6", "Panel3"}, "1"},
        {{"Panel8", "Panel2", "Panel10", "Panel3", "Panel25"}, "5"},
    };
    for (const auto& c : cases) {
        ResetWindowState();
        for (const char* p : c.Panels) Click(p);
        EXPECT_EQ(Shown(), c.Shown) << c.Panels.back();
    }
}

TEST_F(MainWindowTest, DoubleClickCountsTwiceOnlyWhereBound) {
    DoubleClick("Panel10");
    EXPECT_EQ(Shown(), "77");
    Type("3");
    DoubleClick("Panel17");  // "←" twice
    EXPECT_EQ(Shown(), "7");
    Click("Panel3");
    DoubleClick("Panel23");  // "±" once
    EXPECT_EQ(Shown(), "-7");
    DoubleClick("Panel16");  // "＋" once
    Type("3=");
    EXPECT_EQ(Shown(), "-4");
}

TEST_F(MainWindowTest, DisplayLinesFollowEveryValue) {
    Type("255=");
    EXPECT_EQ(Text("Label3"), "FF");
    EXPECT_EQ(Control("Label4")->Hint(), Label4Hint());
    EXPECT_NE(Control("Label4")->Hint().find("1111 1111"), std::string::npos);
    Click("Label3");  // copies the hexadecimal line
    EXPECT_EQ(Copied(), "0xFF");
    EXPECT_EQ(Text("Label2").back(), 'C');
    Click("Label1");
    EXPECT_EQ(Copied(), "255");
}

TEST_F(MainWindowTest, MemoriesShowTheirValuesAndColourTheKeys) {
    Type("42=m");
    EXPECT_EQ(Text("Memory1"), "42");
    EXPECT_EQ(Text("Memory1h"), "2A");
    EXPECT_EQ(Control("Panel4")->Color(), color::Teal);
    EXPECT_EQ(Control("Panel5")->Color(), color::Navy);
    Type("7=n");
    EXPECT_EQ(Control("Panel5")->Color(), color::Teal);
    Type("0=m");
    EXPECT_EQ(Control("Panel4")->Color(), color::Navy);
    Type("e");
    EXPECT_EQ(Shown(), "7");
}

TEST_F(MainWindowTest, OnlyClearErrorLeavesTheErrorState) {
    enum Clearer { EndKey, CtrlTab, Panel };
    for (Clearer clearer : {EndKey, CtrlTab, Panel}) {
        ResetWindowState();
        Type("1/0=");
        EXPECT_EQ(Shown(), "Error");
        EXPECT_EQ(Text("Label2"), "E");
        Type("5+");
        Press(Qt::Key_Escape);
        Press(Qt::Key_Home);
        Press(Qt::Key_Tab);  // focus only
        Click("Panel20");
        EXPECT_EQ(Shown(), "Error");
        EXPECT_EQ(State.ErrorLatched, 1);
        switch (clearer) {
        case EndKey: Press(Qt::Key_End); break;
        case CtrlTab: Press(Qt::Key_Tab, Qt::ControlModifier, "\t"); break;
        case Panel: Click("Panel19"); break;
        }
        EXPECT_EQ(State.ErrorLatched, 0) << clearer;
        Type("2");
        EXPECT_EQ(Shown(), "2") << clearer;
    }
}

}  // namespace
}  // namespace abacone
