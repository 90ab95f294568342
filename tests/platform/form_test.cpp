#include "platform/form.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <functional>
#include <stdexcept>
#include <string>

#include "platform/controls.h"
#include "platform/qt/qt_services.h"
#include "platform/qt/qt_window.h"
#include "tests/window/test_form.h"

namespace abacone {
namespace {

// One key press as the system delivers it, without QTest's separate modifier presses.
void Press(QWidget* to, Qt::Key key, Qt::KeyboardModifiers modifiers = {}, bool autoRepeat = false) {
    const char ascii = QTest::keyToAscii(key);
    QKeyEvent event(QEvent::KeyPress, key, modifiers, ascii ? QString(QChar(ascii)) : QString(), autoRepeat);
    QApplication::sendEvent(to, &event);
}

struct KeyCase {
    Qt::Key Key;
    Qt::KeyboardModifiers Modifiers;
    bool AutoRepeat;
    const char* Log;
    const char* EditText;
};

// The toolkit's key events reach the window's dispatch (tests/window holds its order)
// whether the window or its edit box has them, and what the dispatch passes on is typed.
TEST(FormKeys, KeyEventsOfTheWindowAndItsControlsPassTheDispatch) {
    const auto Ctrl = Qt::ControlModifier, Alt = Qt::AltModifier;
    const KeyCase cases[] = {
        {Qt::Key_C, Ctrl, false, "menu:Copy ", ""},
        {Qt::Key_C, Qt::ShiftModifier | Ctrl, false, "down:67 press:3 ", ""},
        {Qt::Key_A, {}, false, "down:65 press:97 ", "a"},
        {Qt::Key_X, {}, false, "down:88 press:120 ", ""},
        {Qt::Key_Tab, {}, false, "", ""},
        {Qt::Key_Return, {}, false, "down:13 click:Enter ", ""},
        {Qt::Key_C, Alt, false, "down:67 click:Cancel ", ""},
    };
    for (const KeyCase& c : cases) {
        for (QWidget* (*target)(TestForm&) : {+[](TestForm& f) -> QWidget* { return Widget(f); },
                                              +[](TestForm& f) -> QWidget* { return Widget(*f.edit); }}) {
            TestForm form;
            QWidget* to = target(form);
            Press(to, c.Key, c.Modifiers, c.AutoRepeat);
            EXPECT_EQ(form.log, c.Log) << QTest::toString(c.Key) << " to " << to->objectName().toStdString();
            if (to == Widget(*form.edit)) {
                EXPECT_EQ(form.edit->Text(), c.EditText) << QTest::toString(c.Key);
            }
        }
    }
}

TEST(FormKeys, EnterPressesTheFocusedButtonElseTheDefault) {
    TestForm form;
    Widget(form)->show();
    Widget(form)->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Widget(form)));
    form.cancel->SetFocus();
    Press(QApplication::focusWidget(), Qt::Key_Return);
    Widget(*form.edit)->setFocus();
    Press(QApplication::focusWidget(), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(form.log, "down:13 click:Cancel down:13 click:Enter ");
}

TEST(FormMouse, RightClickOrMenuKeyOpensTheMenuUnlessAutoPopupIsOff) {
    for (bool autoPopup : {true, false}) {
        TestForm form;
        form.SetAutoPopup(autoPopup);
        Widget(form)->show();
        Panel* label = AddPanel(form, nullptr, "Label1", ControlKind::Label, {0, 50, 40, 10}, "X", "", Align::Left,
                                color::Navy, WindowFont);
        QContextMenuEvent onLabel(QContextMenuEvent::Mouse, QPoint(1, 1), Widget(*label)->mapToGlobal(QPoint(1, 1)));
        QApplication::sendEvent(Widget(*label), &onLabel);  // the label has no menu: its window's opens
        EXPECT_EQ(BuiltMenu(form) && BuiltMenu(form)->isVisible(), autoPopup);
        if (autoPopup) BuiltMenu(form)->hide();

        QContextMenuEvent fromKeyboard(QContextMenuEvent::Keyboard, QPoint(1, 1),
                                       Widget(form)->mapToGlobal(QPoint(1, 1)));
        QApplication::sendEvent(Widget(form), &fromKeyboard);  // the key itself is dispatched instead
        EXPECT_FALSE(BuiltMenu(form) && BuiltMenu(form)->isVisible());
        QTest::keyClick(Widget(form), Qt::Key_Menu);
        EXPECT_EQ(BuiltMenu(form) && BuiltMenu(form)->isVisible(), autoPopup);
        if (autoPopup) BuiltMenu(form)->hide();
    }
}

TEST(FormMouse, PanelClicksFollowTheDoubleClickRule) {
    const struct {
        DoubleClick Rule;
        Qt::MouseButton Button;
        int PerDoubleClick;
    } cases[] = {
        {DoubleClick::AsClick, Qt::LeftButton, 2},
        {DoubleClick::Ignore, Qt::LeftButton, 1},
        {DoubleClick::AsClick, Qt::RightButton, 0},
    };
    for (const auto& c : cases) {
        TestForm form;
        Panel* p = AddPanel(form, nullptr, "Panel1", ControlKind::Panel, {0, 40, 20, 12}, "7", "", Align::Centre,
                            color::Navy, WindowFont);
        int clicks = 0;
        p->OnClick = [&] { ++clicks; };
        if (c.Rule == DoubleClick::AsClick) p->OnDblClick = p->OnClick;
        // A double-click arrives as a click followed by a double-click event.
        QTest::mouseClick(Widget(*p), c.Button, {}, QPoint(5, 5));
        QTest::mouseDClick(Widget(*p), c.Button, {}, QPoint(5, 5));
        EXPECT_EQ(clicks, c.PerDoubleClick);
        clicks = 0;
        QTest::mouseClick(Widget(*p), c.Button, {}, QPoint(5, 5));
        EXPECT_EQ(clicks, c.Button == Qt::LeftButton ? 1 : 0);
        EXPECT_EQ(form.afterEvents, clicks + (c.Button == Qt::LeftButton ? c.PerDoubleClick : 0));
    }
}

TEST(FormMouse, ReleaseOutsideThePanelIsNoClick) {
    TestForm form;
    Panel* p = AddPanel(form, nullptr, "Panel1", ControlKind::Panel, {0, 40, 20, 12}, "7", "", Align::Centre,
                        color::Navy, WindowFont);
    int clicks = 0;
    p->OnClick = [&] { ++clicks; };
    QTest::mousePress(Widget(*p), Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(Widget(*p), Qt::LeftButton, {}, QPoint(30, 5));
    EXPECT_EQ(clicks, 0);
}

TEST(FormMouse, LeftButtonDragsTheBodyOtherButtonsDoNot) {
    for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton}) {
        TestForm form;
        form.SetPosition(100, 100);
        Widget(form)->show();
        const QPoint start = Widget(form)->pos();
        const QPoint press = Widget(form)->mapToGlobal(QPoint(5, 50));
        QMouseEvent down(QEvent::MouseButtonPress, QPointF(5, 50), QPointF(press), button, button, {});
        QApplication::sendEvent(Widget(form), &down);
        QMouseEvent move(QEvent::MouseMove, QPointF(25, 60), QPointF(press + QPoint(20, 10)), Qt::NoButton, button, {});
        QApplication::sendEvent(Widget(form), &move);
        QMouseEvent up(QEvent::MouseButtonRelease, QPointF(25, 60), QPointF(press + QPoint(20, 10)), button,
                       Qt::NoButton, {});
        QApplication::sendEvent(Widget(form), &up);
        EXPECT_EQ(Widget(form)->pos() - start, button == Qt::LeftButton ? QPoint(20, 10) : QPoint(0, 0));
    }
}

TEST(FormWindow, ModalRunEndsWhenTheWindowCloses) {
    TestForm form;
    form.enter->OnClick = [&form] {
        form.Tag = 7;
        form.Close();
    };
    QTimer::singleShot(0, Widget(form), [&form] {
        EXPECT_TRUE(form.InModalRun());
        QTest::keyClick(Widget(form), Qt::Key_Return);
    });
    form.ShowModal();
    EXPECT_FALSE(form.InModalRun());
    EXPECT_FALSE(Widget(form)->isVisible());
    EXPECT_EQ(form.Tag, 7);
}

TEST(FormWindow, ModalRunHandsTheActivationBack) {
    TestForm owner, form;
    Widget(owner)->show();
    Widget(owner)->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Widget(owner)));
    QTimer::singleShot(0, Widget(form), [&form] {
        EXPECT_TRUE(QTest::qWaitForWindowActive(Widget(form)));
        form.Close();
    });
    form.ShowModal();
    EXPECT_TRUE(QTest::qWaitForWindowActive(Widget(owner)));
}

TEST(FormWindow, FrameInsetsSayWhereTheClientSits) {
    TestForm form;
    form.SetClientSize(173, 76);
    form.SetPosition(100, 50);
    form.Show();
    const Insets frame = form.FrameInsets();
    EXPECT_EQ(form.ClientToScreen({0, 0}), (Point{form.Left() + frame.Left, form.Top() + frame.Top}));
    EXPECT_EQ(form.Width(), frame.Left + form.ClientWidth() + frame.Right);
    EXPECT_EQ(form.Height(), frame.Top + form.ClientHeight() + frame.Bottom);
}

TEST(FormWindow, FlagSwitchesKeepTheNativeWindowShownAndInPlace) {
    TestForm form;
    form.SetPosition(40, 30);
    Widget(form)->show();
    const WId native = Widget(form)->winId();
    struct Case {
        const char* what;
        std::function<void()> change;
        bool onTop;
        bool frameless;
    } cases[] = {
        {"stay-on-top on", [&] { form.SetStayOnTop(true); }, true, true},
        {"caption on", [&] { form.SetBorderStyle(BorderStyle::Single); }, true, false},
        {"stay-on-top off", [&] { form.SetStayOnTop(false); }, false, false},
        {"caption off", [&] { form.SetBorderStyle(BorderStyle::None); }, false, true},
        {"caption on again", [&] { form.SetBorderStyle(BorderStyle::Single); }, false, false},
    };
    for (const auto& c : cases) {
        c.change();
        QCoreApplication::processEvents();
        EXPECT_EQ(bool(Widget(form)->windowFlags() & Qt::WindowStaysOnTopHint), c.onTop) << c.what;
        EXPECT_EQ(bool(Widget(form)->windowHandle()->flags() & Qt::FramelessWindowHint), c.frameless) << c.what;
        EXPECT_TRUE(Widget(form)->isVisible()) << c.what;
        EXPECT_EQ(Widget(form)->winId(), native) << c.what;
        EXPECT_EQ(Widget(form)->frameGeometry().topLeft(), QPoint(40, 30)) << c.what;
    }
}

TEST(QtServices, ClipboardRoundTrip) {
    QtClipboard clipboard;
    clipboard.SetText("0b1111 ｺﾋﾟｰ");
    EXPECT_EQ(clipboard.Text(), "0b1111 ｺﾋﾟｰ");
}

}  // namespace
}  // namespace abacone
