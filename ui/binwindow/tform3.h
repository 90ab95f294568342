// The binary display window: the accumulator in binary over the main window's keypad,
// a close button, a copy panel, and a popup menu whose hidden entries carry the move
// and close shortcuts. Built fresh by OpenBinaryWindow for each opening.
#pragma once

#include "platform/button.h"
#include "platform/form.h"
#include "platform/panel.h"
#include "ui/geometry/window_geometry.h"

namespace abacone {

class TForm3 : public Form {
public:
    TForm3();
    ~TForm3() override;

    Button* CloseButton() const { return button1_; }
    void ShowBinary(std::string_view text);

    void Button1Click();  // close
    void KX1Click();      // close
    void Label1Click();   // copy
    void Button2Click();  // copy
    void KC1Click();      // copy
    void up1Click();
    void down1Click();
    void left1Click();
    void right1Click();
    void def1Click();
    void FormCreate();
    void FormMouseDown(MouseButton button, Point globalPos);

protected:
    void KeyPress(char32_t& key) override;
    void MouseDown(MouseButton button, Point globalPos) override;
    void Shown(bool bySystem) override;

private:
    void BuildLayout();
    void BuildMenu();
    void Nudge(NudgeDirection direction);
    void MoveTo(Point at);

    Panel* label1_ = nullptr;
    Button* button1_ = nullptr;
};

// The open window; nullptr while it is closed.
extern TForm3* Form3;

}  // namespace abacone
