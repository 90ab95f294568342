#include "ui/binwindow/wrap_label.h"

#include <QPainter>

namespace abacone {

void WrapLabel::PaintCaption(QPainter& painter) {
    painter.setFont(font());
    painter.setPen(QColor::fromRgb(FontColor()));
    painter.drawText(rect(), int(Alignment()) | Qt::TextWordWrap, Caption());
}

}  // namespace abacone
