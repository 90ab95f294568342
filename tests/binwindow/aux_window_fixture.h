// A shown main window over a fresh engine, and the means to act inside the modal run of
// a window it opens: WhileModal posts the actions, then calls the opener, which returns
// once the window has closed.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTest>
#include <functional>
#include <memory>
#include <string>

#include "engine/calc_state.h"
#include "platform/qt/modal_input.h"
#include "platform/qt/qt_window.h"
#include "platform/services/services.h"
#include "ui/main/form1.h"
#include "ui/main/reset.h"

namespace abacone {

class AuxWindowTest : public testing::Test {
protected:
    void SetUp() override {
        ResetWindowState();
        SetClipboard(&clipboard);
        main = std::make_unique<TForm1>();
        main->SetPosition(300, 200);
        Widget(*main)->show();
    }
    void TearDown() override {
        main.reset();
        SetClipboard(nullptr);
        ResetWindowState();
    }

    // Runs `open`; once its modal window is up, runs `inside`. A window `inside` leaves
    // open is closed and reported. Returns whether a modal run took place.
    bool WhileModal(const std::function<void()>& open, const std::function<void()>& inside) {
        bool ran = false;
        QObject guard;  // drops the posted call if no modal run picks it up
        QMetaObject::invokeMethod(
            &guard,
            [&] {
                ran = true;
                inside();
                if (QWidget* still = ActiveModalWindow()) {
                    ADD_FAILURE() << "the window stayed open";
                    still->close();
                }
            },
            Qt::QueuedConnection);
        open();
        return ran;
    }

    // One key stroke to the window's focused control, as the system delivers it.
    static void Press(QWidget* window, int key, Qt::KeyboardModifiers modifiers = {}, QString text = {}) {
        QWidget* target = window->focusWidget() ? window->focusWidget() : window;
        QKeyEvent event(QEvent::KeyPress, key, modifiers, text);
        QApplication::sendEvent(target, &event);
    }
    static void TypeChar(QWidget* window, char c) {
        const int key = c >= 'a' && c <= 'z' ? c - 32 : c;
        Press(window, key, c >= 'A' && c <= 'Z' ? Qt::ShiftModifier : Qt::NoModifier, QString(QChar(c)));
    }
    static void Press(Form* window, int key, Qt::KeyboardModifiers modifiers = {}, QString text = {}) {
        Press(Widget(*window), key, modifiers, text);
    }
    static void TypeChar(Form* window, char c) { TypeChar(Widget(*window), c); }
    static void Click(QWidget* control) { QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(3, 3)); }
    static void Click(Panel* control) { Click(Widget(*control)); }
    static void Click(Button* control) { Click(Widget(*control)); }
    static void DoubleClick(Panel* control) { DoubleClick(Widget(*control)); }
    static void DoubleClick(QWidget* control) {
        Click(control);
        QTest::mouseDClick(control, Qt::LeftButton, {}, QPoint(3, 3));
    }
    // A left press on a window's own background at `at`, a move by `by`, and the release.
    static void Drag(QWidget* window, QPoint at, QPoint by) {
        const QPoint global = window->mapToGlobal(at);
        QMouseEvent down(QEvent::MouseButtonPress, QPointF(at), QPointF(global), Qt::LeftButton, Qt::LeftButton, {});
        QApplication::sendEvent(window, &down);
        QMouseEvent move(QEvent::MouseMove, QPointF(at + by), QPointF(global + by), Qt::NoButton, Qt::LeftButton, {});
        QApplication::sendEvent(window, &move);
        QMouseEvent up(QEvent::MouseButtonRelease, QPointF(at + by), QPointF(global + by), Qt::LeftButton, Qt::NoButton,
                       {});
        QApplication::sendEvent(window, &up);
    }
    static void Drag(Form* window, QPoint at, QPoint by) { Drag(Widget(*window), at, by); }
    void TypeOnMain(const std::string& keys) {
        for (char c : keys) TypeChar(main.get(), c);
    }
    std::string MainShows() const { return main->Control("Label1")->Caption(); }
    std::string Copied() const { return clipboard.Text().value_or("<none>"); }

    mutable MemoryClipboard clipboard;
    std::unique_ptr<TForm1> main;
};

}  // namespace abacone
