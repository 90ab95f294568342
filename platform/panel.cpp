#include "platform/panel.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "platform/form.h"

namespace abacone {
namespace {

QString ToQString(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

}  // namespace

Panel::Panel(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
    QWidget::setFont(MakeFont(WindowFont));
}

void Panel::SetCaption(std::string_view text) {
    QString caption = ToQString(text);
    if (caption == caption_) return;
    caption_ = std::move(caption);
    if (autoSize_) FitToText();
    Relayout();
}

void Panel::SetHint(std::string_view text) {
    QString hint = ToQString(text);
    if (hint != toolTip()) setToolTip(hint);
}

void Panel::SetAlignment(Qt::Alignment alignment) {
    alignment_ = alignment;
    Relayout();
}

void Panel::SetColor(QRgb background) {
    if (background == background_) return;
    background_ = background;
    update();
}

void Panel::SetFont(const FontSpec& spec) {
    QWidget::setFont(MakeFont(spec));
    fontColor_ = spec.Color;
    if (autoSize_) FitToText();
    Relayout();
}

void Panel::SetBevel(int width) {
    bevel_ = width;
    Relayout();
}

void Panel::SetAutoSize(bool on) {
    autoSize_ = on;
    if (on) FitToText();
}

void Panel::FitToText() {
    // Wide enough for the ink too: synthetic bold reaches past the last advance.
    const QFontMetrics metrics(font());
    const QRect ink = InkBox(font(), caption_);
    const int width = ink.isEmpty() ? metrics.horizontalAdvance(caption_)
                                    : std::max(metrics.horizontalAdvance(caption_), ink.right() + 1) -
                                          std::min(0, ink.left());
    resize(width + 2 * bevel_, metrics.height() + 2 * bevel_);
}

void Panel::Relayout() {
    layout_.reset();
    update();
}

void Panel::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layout_.reset();
}

QRect Panel::CaptionArea() const { return rect().adjusted(bevel_, bevel_, -bevel_, -bevel_); }

void Panel::PaintCaption(QPainter& painter) {
    if (caption_.isEmpty()) return;
    if (!layout_) layout_ = FitCaption(font(), caption_, CaptionArea(), alignment_);
    painter.setFont(layout_->Font);
    painter.setPen(QColor::fromRgb(fontColor_));
    painter.drawText(layout_->Origin, caption_);
}

void Panel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect box = rect();
    p.fillRect(box, QColor::fromRgb(background_));
    for (int i = 0; i < bevel_; ++i) {
        const QRect r = box.adjusted(i, i, -i, -i);  // right() and bottom() are the last pixels
        p.setPen(QColor(255, 255, 255));
        p.drawLine(r.topLeft(), r.topRight());
        p.drawLine(r.topLeft(), r.bottomLeft());
        p.setPen(QColor(128, 128, 128));
        p.drawLine(r.bottomLeft(), r.bottomRight());
        p.drawLine(r.topRight(), r.bottomRight());
    }
    p.setClipRect(CaptionArea());
    PaintCaption(p);
}

void Panel::mousePressEvent(QMouseEvent* event) {
    const Qt::MouseButton button = event->button();
    const QPoint at = event->globalPosition().toPoint();
    if (button == Qt::LeftButton) pressed_ = true;
    if (OnMouseDown) RunInForm(this, [&] { OnMouseDown(button, at); });
}

void Panel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const bool clicked = pressed_ && rect().contains(event->position().toPoint());
    pressed_ = false;
    if (clicked && OnClick) RunInForm(this, OnClick);
}

void Panel::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    pressed_ = false;  // the release that follows is not a click
    if (OnMouseDown) RunInForm(this, [&] { OnMouseDown(Qt::LeftButton, event->globalPosition().toPoint()); });
    if (OnDblClick) RunInForm(this, OnDblClick);
}

}  // namespace abacone
