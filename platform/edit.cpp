#include "platform/edit.h"

namespace abacone {

Edit::Edit(QWidget* parent) : QLineEdit(parent) {}

void Edit::SetText(std::string_view text) {
    setText(QString::fromUtf8(text.data(), qsizetype(text.size())));
}

void Edit::SetColors(QRgb background, const FontSpec& font) {
    setFont(MakeFont(font));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Base, QColor::fromRgb(background));
    palette.setColor(QPalette::Text, QColor::fromRgb(font.Color));
    setPalette(palette);
}

}  // namespace abacone
