#include "ui/valuedialog/iform.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QTest>
#include <QTimer>
#include <functional>

#include "engine/engine.h"
#include "platform/edit.h"
#include "platform/panel.h"
#include "platform/qt/qt_window.h"
#include "ui/main/form1.h"
#include "ui/main/reset.h"

namespace abacone {
namespace {

void Press(TIForm& dialog, int key, Qt::KeyboardModifiers modifiers = {}) {
    QTest::keyClick(Widget(*dialog.Edit1()), Qt::Key(key), modifiers);
}

class IFormTest : public ::testing::Test {
protected:
    // Runs the dialog; the actions run inside its modal run. A dialog they leave open is
    // closed, so a broken key fails the test instead of hanging it.
    ValueDialogService::Answer AskWhile(std::function<void()> actions) {
        bool leftOpen = false;
        QTimer::singleShot(0, [&] {
            actions();
            if (Widget(dialog)->isVisible()) {
                leftOpen = true;
                dialog.Close();
            }
        });
        const auto answer = dialog.Ask("sin X", "X を入力(単位:度)");
        EXPECT_FALSE(leftOpen) << "the dialog stayed open";
        return answer;
    }
    void Key(int key, Qt::KeyboardModifiers modifiers = {}) { Press(dialog, key, modifiers); }

    TIForm dialog;
};

TEST_F(IFormTest, KeysConfirmOrCancel) {
    struct Case {
        const char* Name;
        std::function<void(TIForm&)> Keys;
        bool Confirmed;
        const char* Text;
        // clang-format off
    } cases[] = {
        {"Enter at once", [](TIForm& d) { Press(d, Qt::Key_Return); }, true, "0"},
        {"type and Enter", [](TIForm& d) {
             QTest::keyClicks(Widget(*d.Edit1()), "30");
             Press(d, Qt::Key_Return);
         }, true, "30"},
        {"Alt+E", [](TIForm& d) { Press(d, Qt::Key_E, Qt::AltModifier); }, true, "0"},
        {"Esc", [](TIForm& d) {
             QTest::keyClicks(Widget(*d.Edit1()), "45");
             Press(d, Qt::Key_Escape);
         }, false, "45"},
        {"Ctrl+End", [](TIForm& d) { Press(d, Qt::Key_End, Qt::ControlModifier); }, false, "0"},
        {"Alt+C", [](TIForm& d) { Press(d, Qt::Key_C, Qt::AltModifier); }, false, "0"},
        {"system close", [](TIForm& d) { Widget(d)->close(); }, false, "0"},
        {"Enter on Cancel", [](TIForm& d) {
             Widget(d)->findChild<QWidget*>("Button2")->setFocus();
             Press(d, Qt::Key_Return);
         }, false, "0"},
    };
    // clang-format on
    for (const auto& c : cases) {
        const auto answer = AskWhile([&] { c.Keys(dialog); });
        EXPECT_EQ(answer.Confirmed, c.Confirmed) << c.Name;
        EXPECT_EQ(answer.Text, c.Text) << c.Name;
        EXPECT_FALSE(Widget(dialog)->isVisible()) << c.Name;
    }
}

TEST_F(IFormTest, EachUseShowsItsTextsWithTheZeroSelected) {
    for (const char* typed : {"12", "7"}) {
        AskWhile([&] {
            EXPECT_EQ(dialog.Label1()->Caption(), "sin X");
            EXPECT_EQ(dialog.Label2()->Caption(), "X を入力(単位:度)");
            EXPECT_EQ(dialog.Edit1()->Text(), "0");
            EXPECT_EQ(Widget(*dialog.Edit1())->selectedText(), "0");
            EXPECT_EQ(Widget(dialog)->focusWidget(), Widget(*dialog.Edit1()));
            QTest::keyClicks(Widget(*dialog.Edit1()), typed);
            EXPECT_EQ(dialog.Edit1()->Text(), typed);  // the first key replaced the "0"
            Key(Qt::Key_Return);
        });
    }
}

TEST_F(IFormTest, TheBoxRefusesA33rdCharacter) {
    const std::string full(32, '1');
    const auto answer = AskWhile([&] {
        QTest::keyClicks(Widget(*dialog.Edit1()), QString::fromStdString(full + "2"));
        Key(Qt::Key_Return);
    });
    EXPECT_EQ(answer.Text, full);
}

TEST_F(IFormTest, RightClickOpensNoMenu) {
    AskWhile([&] {
        for (const char* name : {"Panel1", "Label1", "Edit1"}) {
            auto* target = Widget(dialog)->findChild<QWidget*>(name);
            ASSERT_NE(target, nullptr) << name;
            QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(3, 3), target->mapToGlobal(QPoint(3, 3)));
            QApplication::sendEvent(target, &event);
            EXPECT_EQ(QApplication::activePopupWidget(), nullptr) << name;
        }
        Key(Qt::Key_Escape);
    });
}

// The real main window over the real dialog: keys posted before the dialog exists must
// reach its edit box, and the dialog sits on the main window's hexadecimal line.
class TypeAheadTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetWindowState();
        SetValueDialog(&dialog);
        main.Show();
    }
    void TearDown() override {
        SetValueDialog(nullptr);
        ResetWindowState();
    }
    // Processes the posted keys. A dialog they leave open is closed after the last key,
    // so a lost key fails the test instead of hanging it.
    void Run() {
        QMetaObject::invokeMethod(
            Widget(main),
            [this] {
                if (!Widget(dialog)->isVisible()) return;
                ADD_FAILURE() << "the dialog stayed open";
                dialog.Close();
            },
            Qt::QueuedConnection);
        QCoreApplication::processEvents();
        // Keys that came after the dialog closed wait until the function has entered its result.
        QCoreApplication::sendPostedEvents();
    }
    void Post(int key, Qt::KeyboardModifiers modifiers = {}, const QString& text = {}) {
        QCoreApplication::postEvent(Widget(main), new QKeyEvent(QEvent::KeyPress, key, modifiers, text));
        QCoreApplication::postEvent(Widget(main), new QKeyEvent(QEvent::KeyRelease, key, modifiers, text));
    }

    TForm1 main;
    TIForm dialog;
};

TEST_F(TypeAheadTest, QuickShortcutDigitsAndEnterComputeTheFunction) {
    Post(Qt::Key_S, Qt::ShiftModifier | Qt::ControlModifier);
    Post(Qt::Key_3, {}, "3");
    Post(Qt::Key_0, {}, "0");
    Post(Qt::Key_Return, {}, "\r");
    Run();
    EXPECT_EQ(main.Control("Label1")->Caption(), "0.5");
    EXPECT_FALSE(Widget(dialog)->isVisible());
}

TEST_F(TypeAheadTest, KeysAfterTheDialogWaitForTheResult) {
    Post(Qt::Key_2, {}, "2");
    Post(Qt::Key_Asterisk, {}, "*");
    Post(Qt::Key_S, Qt::ShiftModifier | Qt::ControlModifier);
    Post(Qt::Key_3, {}, "3");
    Post(Qt::Key_0, {}, "0");
    Post(Qt::Key_Return, {}, "\r");
    Post(Qt::Key_Equal, {}, "=");
    Run();
    EXPECT_EQ(main.Control("Label1")->Caption(), "1");
}

TEST_F(TypeAheadTest, DialogLiesOnTheHexLineAndCancelLeavesTheEngine) {
    Post(Qt::Key_7, {}, "7");
    Post(Qt::Key_Plus, {}, "+");
    Post(Qt::Key_T, Qt::ShiftModifier | Qt::ControlModifier);
    QPoint at, expected;
    QMetaObject::invokeMethod(
        Widget(main),
        [&] {
            at = Widget(dialog)->pos();
            const int border = (main.Width() - main.ClientWidth()) / 2;
            expected = QPoint(main.Left(), main.Top() + main.Height() - main.ClientHeight() - border + 16);
            QTest::keyClicks(Widget(*dialog.Edit1()), "90");
            QTest::keyClick(Widget(*dialog.Edit1()), Qt::Key_Escape);
        },
        Qt::QueuedConnection);
    Run();
    EXPECT_EQ(at, expected);
    EXPECT_EQ(main.Control("Label1")->Caption(), "7");
    EXPECT_EQ(State.EntryLength, 0);
}

}  // namespace
}  // namespace abacone
