// A push button whose click runs through its Form. "&" in the caption marks the access
// letter: Alt+letter presses it in the Form's key dispatch (after menu shortcuts and the
// key-down handler), not through Qt's shortcut machinery. Form::SetDefaultButton makes
// Enter press it.
#pragma once

#include <QPushButton>
#include <functional>
#include <string_view>

namespace abacone {

class Button : public QPushButton {
public:
    Button(QWidget* parent, std::string_view caption);
    void SetCaption(std::string_view caption);
    int AccessKey() const { return accessKey_; }  // virtual key ('A'..'Z', '0'..'9'); 0: none

    std::function<void()> OnClick;

private:
    int accessKey_ = 0;
};

}  // namespace abacone
