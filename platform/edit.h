// A single-line edit box with a maximum length, fixed colours and a pixel font. Its keys
// pass the owning Form's dispatch first (menu shortcuts, key-down, character handlers).
#pragma once

#include <QLineEdit>
#include <string>
#include <string_view>

#include "platform/style.h"

namespace abacone {

class Edit : public QLineEdit {
public:
    explicit Edit(QWidget* parent);
    void SetText(std::string_view text);
    std::string Text() const { return text().toStdString(); }
    void SetColors(QRgb background, const FontSpec& font);
};

}  // namespace abacone
