#include "ui/binwindow/wrap_label.h"

#include <QPainter>

namespace abacone {

void WrapLabel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), QColor::fromRgb(Color()));
    p.setPen(QColor::fromRgb(FontColor()));
    p.drawText(rect(), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, Caption());
}

}  // namespace abacone
