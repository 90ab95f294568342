// A push button whose click runs through its Form. "&" in the caption marks the access
// letter: Alt+letter presses it in the Form's key dispatch (after menu shortcuts and the
// key-down handler), not through the toolkit's own shortcuts. Form::SetDefaultButton
// makes Enter press it.
#pragma once

#include <functional>
#include <string_view>

namespace abacone {

// The virtual key ('A'..'Z', '0'..'9') that "&" marks in a UTF-8 caption; 0: none. "&&"
// is a plain ampersand.
int AccessKeyOf(std::string_view caption);

class Button {
public:
    struct Impl;
    explicit Button(Impl& impl) : impl_(impl) {}
    Button(const Button&) = delete;
    Button& operator=(const Button&) = delete;

    void SetCaption(std::string_view caption);
    int AccessKey() const { return accessKey_; }  // virtual key; 0: none
    void SetFocus();
    // What a screen reader calls the button and tells of it (its keys); the caption and
    // hint stay as they are.
    void SetAccessibleName(std::string_view name);
    void SetAccessibleDescription(std::string_view text);

    std::function<void()> OnClick;

    Impl& Native() const { return impl_; }

private:
    Impl& impl_;
    int accessKey_ = 0;
};

}  // namespace abacone
