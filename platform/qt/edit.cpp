#include "platform/qt/qt_window.h"

namespace abacone {

void Edit::SetText(std::string_view text) { impl_.setText(ToQString(text)); }

std::string Edit::Text() const { return impl_.text().toStdString(); }

void Edit::SetMaxLength(int length) { impl_.setMaxLength(length); }

void Edit::SetColors(Rgb background, const FontSpec& font) {
    impl_.setFont(MakeFont(font));
    QPalette palette = impl_.palette();
    palette.setColor(QPalette::Base, QColor::fromRgb(background));
    palette.setColor(QPalette::Text, QColor::fromRgb(font.Color));
    impl_.setPalette(palette);
}

void Edit::SetAccessibleName(std::string_view name) { impl_.setAccessibleName(ToQString(name)); }

void Edit::FocusAndSelectAll() {
    impl_.setFocus(Qt::OtherFocusReason);
    impl_.selectAll();
}

}  // namespace abacone
