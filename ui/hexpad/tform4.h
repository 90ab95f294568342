// The hexadecimal input pad: a digit display, sixteen digit keys, delete and enter keys,
// close and copy panels, and a popup menu with hidden close shortcuts. The digits and
// the keyboard tables live in hexpad_logic; this window shows them and forwards to them.
#pragma once

#include "platform/form.h"
#include "platform/panel.h"

namespace abacone {

class TForm4 : public Form {
public:
    TForm4();
    ~TForm4() override;

    void Render();  // copies the digit display text to Label1

    void Active();
    void FormCreate();
    void Key_Down(int key);
    void Key_Press(char32_t key);
    void Panel3Click(Panel* sender);   // digit keys
    void Panel19Click(Panel* sender);  // delete key
    void Panel20Click(Panel* sender);  // Ent
    void Panel1Click();                // close
    void Panel2Click();                // copy
    void FormMouseDown(MouseButton button, Point globalPos);

protected:
    bool KeyDown(const KeyStroke& stroke) override;
    void KeyPress(char32_t& key) override;
    void MouseDown(MouseButton button, Point globalPos) override;
    void AfterEvent() override;
    void Activated() override;

private:
    void BuildLayout();
    void BuildMenu();

    Panel* label1_ = nullptr;
    bool activated_ = false;
};

// The open pad; nullptr while it is closed.
extern TForm4* Form4;

}  // namespace abacone
