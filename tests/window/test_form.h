// A window of the neutral window layer with a menu, an edit box and two buttons, for the
// cases every implementation of the layer must pass.
#pragma once

#include <memory>
#include <stdexcept>
#include <string>

#include "platform/controls.h"
#include "platform/form.h"
#include "platform/menu.h"

namespace abacone {

// Writes down what reaches it.
class TestForm : public Form {
public:
    TestForm() : Form(BorderStyle::None, false) {
        SetClientSize(160, 60);
        edit = AddEdit(*this, nullptr, "Edit1", {2, 2, 150, 18});
        enter = AddButton(*this, nullptr, "Button1", {2, 30, 70, 18}, "&Enter.", "入力");
        cancel = AddButton(*this, nullptr, "Button2", {80, 30, 70, 18}, "&Cancel", "");
        enter->OnClick = [this] { log += "click:Enter "; };
        cancel->OnClick = [this] { log += "click:Cancel "; };
        SetDefaultButton(enter);
        static constexpr MenuSpec<TestForm> table[] = {
            {0, "Copy", "複写 (&C)", scCtrl + 'C', 0, &TestForm::Copy},
            {0, "Hide", "Hide", 0, mfHidden, nullptr},
            {1, "Exit", "x", scCtrl + vk::End, mfFreshPress, &TestForm::Exit},
            {1, "Fail", "x", scCtrl + 'Q', 0, &TestForm::Fail},
        };
        SetPopupMenu(std::make_unique<PopupMenu>(MenuItems<TestForm>(*this, table)));
    }
    void Copy() { log += "menu:Copy "; }
    void Exit() { log += "menu:Exit "; }
    void Fail() { throw std::runtime_error("bad"); }

    bool KeyDown(const KeyStroke& k) override {
        log += "down:" + std::to_string(k.Vk) + " ";
        return k.Vk == vk::F(5);
    }
    void KeyPress(char32_t& c) override {
        log += "press:" + std::to_string(int(c)) + " ";
        if (c == 'x') c = 0;
    }
    void MouseDown(MouseButton b, Point at) override { DragByBody(b, at); }
    void AfterEvent() override { ++afterEvents; }

    Edit* edit;
    Button* enter;
    Button* cancel;
    std::string log;
    int afterEvents = 0;
};

}  // namespace abacone
