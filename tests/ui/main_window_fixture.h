// A fresh main window over a fresh engine, with an in-process clipboard and a value
// dialog that records what it was asked and answers "cancel", and window commands that
// record what the menu asked of the shell.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QTest>
#include <cctype>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "engine/calc_state.h"
#include "platform/qt/qt_window.h"
#include "platform/services/services.h"
#include "ui/main/form1.h"
#include "ui/main/reset.h"
#include "ui/main/window_commands.h"

namespace abacone {

class RecordingDialog final : public ValueDialogService {
public:
    Answer Ask(std::string_view title, std::string_view) override {
        titles.emplace_back(title);
        return {};
    }
    std::vector<std::string> titles;
};

class MainWindowTest : public testing::Test {
protected:
    void SetUp() override {
        ResetWindowState();
        SetClipboard(&clipboard);
        SetValueDialog(&dialog);
        // Stands in for the shell: records which window command the menu asked for.
        SetWindowCommands([this](WindowCommand c) { commands.calls.emplace_back(WindowCommandName(c)); });
        form = std::make_unique<TForm1>();
    }
    void TearDown() override {
        form.reset();
        SetClipboard(nullptr);
        SetValueDialog(nullptr);
        SetWindowCommands(nullptr);
        ResetWindowState();
    }

    // One key stroke as the system delivers it (the modifier keys are not pressed apart).
    void Press(int key, Qt::KeyboardModifiers modifiers = {}, QString text = {}, bool autoRepeat = false) {
        QKeyEvent event(QEvent::KeyPress, key, modifiers, text, autoRepeat);
        QApplication::sendEvent(Widget(*form), &event);
    }
    // Types ASCII text key by key; upper-case letters with Shift.
    void Type(std::string_view keys) {
        for (char c : keys) {
            const bool upper = std::isupper(static_cast<unsigned char>(c));
            const int key = c == '\b' ? Qt::Key_Backspace : std::toupper(static_cast<unsigned char>(c));
            Press(key, upper ? Qt::ShiftModifier : Qt::NoModifier, QString(QChar(c)));
        }
    }
    void Click(const char* name) { QTest::mouseClick(Widget(*Control(name)), Qt::LeftButton, {}, QPoint(3, 3)); }
    void DoubleClick(const char* name) {
        Click(name);
        QTest::mouseDClick(Widget(*Control(name)), Qt::LeftButton, {}, QPoint(3, 3));
    }
    Panel* Control(const char* name) {
        Panel* p = form->Control(name);
        EXPECT_NE(p, nullptr) << name;
        return p;
    }
    std::string Text(const char* name) { return Control(name)->Caption(); }
    std::string Shown() { return Text("Label1"); }
    std::string Copied() { return clipboard.Text().value_or("<none>"); }

    MemoryClipboard clipboard;
    RecordingDialog dialog;
    struct {
        std::vector<std::string> calls;
    } commands;
    std::unique_ptr<TForm1> form;
};

}  // namespace abacone
