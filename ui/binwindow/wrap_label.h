// A text label whose caption wraps at blanks inside its fixed box, top-left aligned.
#pragma once

#include "platform/panel.h"

namespace abacone {

class WrapLabel : public Panel {
public:
    using Panel::Panel;

    void PaintCaption(QPainter& painter) override;
};

}  // namespace abacone
