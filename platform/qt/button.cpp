#include "platform/qt/qt_window.h"

namespace abacone {

Button::Impl::Impl(QWidget* parent) : QPushButton(parent) {
    connect(this, &QPushButton::clicked, this, [this] {
        if (face.OnClick) RunInForm(this, face.OnClick);
    });
}

void Button::SetCaption(std::string_view caption) {
    impl_.setText(ToQString(caption));
    impl_.setShortcut(QKeySequence());  // the Form dispatches Alt+letter itself, in its fixed order
    accessKey_ = AccessKeyOf(caption);
}

void Button::SetFocus() { impl_.setFocus(); }

}  // namespace abacone
