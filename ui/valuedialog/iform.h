// The value input dialog: a small borderless window with a title line, a prompt line, an
// edit box and the Enter and Cancel buttons. It serves the functions' AskValue through
// ValueDialogService: the program creates one `IForm` after the main window and installs
// it with SetValueDialog.
#pragma once

#include "platform/form.h"
#include "platform/services/services.h"

namespace abacone {

class Button;
class Edit;
class Panel;

class TIForm final : public Form, public ValueDialogService {
public:
    TIForm();
    ~TIForm() override;

    // Places the dialog over the main window's hexadecimal line and runs it modally.
    Answer Ask(std::string_view title, std::string_view prompt) override;

    void Button1Click();
    void Button2Click();
    void FormShow();
    void Panel1MouseDown(MouseButton button, Point globalPos);

    Panel* Label1() const { return label1_; }
    Panel* Label2() const { return label2_; }
    Edit* Edit1() const { return edit1_; }

protected:
    void Shown(bool bySystem) override;

private:
    Panel* label1_ = nullptr;
    Panel* label2_ = nullptr;
    Edit* edit1_ = nullptr;
};

extern TIForm* IForm;

}  // namespace abacone
