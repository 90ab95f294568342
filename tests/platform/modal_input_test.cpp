#include "platform/qt/modal_input.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <memory>

namespace abacone {
namespace {

// A top-level window holding one edit box, which records the keys that reach it.
struct Window {
    explicit Window(Qt::WindowFlags flags = Qt::Window) : widget(nullptr, flags), edit(&widget) {}
    QWidget widget;
    QLineEdit edit;
};

void Type(QWidget* target, char c) {
    QKeyEvent event(QEvent::KeyPress, Qt::Key_A + (c - 'a'), {}, QString(QChar(c)));
    QApplication::sendEvent(target, &event);
}

TEST(ModalInput, KeysForOtherWindowsReachTheModalOneButPopupsAndBoxesKeepTheirs) {
    Window owner, modal, popup(Qt::Popup), box;
    box.widget.setWindowModality(Qt::ApplicationModal);
    modal.widget.show();
    modal.edit.setFocus();
    struct Case {
        const char* what;
        Window& aimedAt;
        Window& gets;
    } cases[] = {
        {"window below", owner, modal},
        {"the modal window itself", modal, modal},
        {"its popup menu", popup, popup},
        {"a message box over it", box, box},
    };
    ModalInput input(&modal.widget);
    for (const auto& c : cases) {
        c.gets.edit.clear();
        Type(&c.aimedAt.edit, 'q');
        EXPECT_EQ(c.gets.edit.text(), "q") << c.what;
        if (&c.gets != &c.aimedAt) {
            EXPECT_EQ(c.aimedAt.edit.text(), "") << c.what;
        }
    }
    int clicks = 0;
    QPushButton below;
    QObject::connect(&below, &QPushButton::clicked, [&] { ++clicks; });
    below.show();
    QTest::mouseClick(&below, Qt::LeftButton);
    EXPECT_EQ(clicks, 0) << "the window below takes no clicks";
}

TEST(ModalInput, OnlyTheInnermostRunRedirects) {
    Window main, outer, inner;
    for (Window* w : {&outer, &inner}) {
        w->widget.show();
        w->edit.setFocus();
    }
    EXPECT_EQ(ActiveModalWindow(), nullptr);
    {
        ModalInput first(&outer.widget);
        EXPECT_EQ(ActiveModalWindow(), &outer.widget);
        {
            ModalInput second(&inner.widget);
            EXPECT_EQ(ActiveModalWindow(), &inner.widget);
            Type(&outer.edit, 'a');
            Type(&inner.edit, 'b');
            EXPECT_EQ(inner.edit.text(), "ab");
            EXPECT_EQ(outer.edit.text(), "");
        }
        Type(&main.edit, 'c');
        EXPECT_EQ(outer.edit.text(), "c");
        outer.widget.hide();
        EXPECT_EQ(ActiveModalWindow(), nullptr) << "a closed window is no longer up";
    }
    Type(&main.edit, 'd');
    EXPECT_EQ(main.edit.text(), "d");
}

// Three top-level windows; the active one is set as the toolkit sees it.
void MakeActive(QWidget* w) {
    w->show();
    w->activateWindow();
    QApplication::setActiveWindow(w);
}

TEST(ActivationReturn, AfterAnySequenceOfModalWindowsTheFirstOwnerIsActiveAgain) {
    Window main, dialog, box;
    struct Step {
        const char* what;
        QWidget* activeAtStart;  // as the toolkit reports it when the modal window comes up
        QWidget* modal;
        QWidget* owner;
    } steps[] = {
        {"a dialog from the main window", &main.widget, &dialog.widget, &main.widget},
        // The toolkit still reports the closed dialog as active when the next one comes.
        {"a second dialog right after", &dialog.widget, &dialog.widget, &main.widget},
        {"a message box right after it", &dialog.widget, &box.widget, &main.widget},
        {"a message box over a dialog", &dialog.widget, &box.widget, &dialog.widget},
        {"nothing active at all", nullptr, &box.widget, &dialog.widget},
    };
    for (const auto& s : steps) {
        if (s.activeAtStart)
            MakeActive(s.activeAtStart);
        else
            QApplication::setActiveWindow(nullptr);
        if (s.owner == &dialog.widget)
            dialog.widget.show();
        else
            dialog.widget.hide();
        {
            const ActivationReturn back(s.modal);
            EXPECT_EQ(back.Owner(), s.owner) << s.what;
            QApplication::setActiveWindow(s.modal);
        }
        // With nothing of the program active the user is elsewhere: nothing is taken back.
        if (s.activeAtStart) {
            EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == s.owner; })) << s.what;
        }
    }
}

}  // namespace
}  // namespace abacone
