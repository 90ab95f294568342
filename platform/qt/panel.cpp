#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "platform/qt/qt_window.h"

namespace abacone {

Qt::Alignment ToQtAlignment(Align align) {
    return align == Align::Left ? Qt::AlignLeft : align == Align::Right ? Qt::AlignRight : Qt::AlignHCenter;
}

Panel::Impl::Impl(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
    QWidget::setFont(MakeFont(WindowFont));
}

Panel* PanelOf(QWidget* widget) {
    auto* impl = dynamic_cast<Panel::Impl*>(widget);
    return impl ? &impl->face : nullptr;
}

std::string Panel::Name() const { return impl_.objectName().toStdString(); }

void Panel::SetCaption(std::string_view text) {
    QString caption = ToQString(text);
    if (caption == impl_.caption) return;
    impl_.caption = std::move(caption);
    if (impl_.autoSize) impl_.FitToText();
    impl_.Relayout();
}

std::string Panel::Caption() const { return impl_.caption.toStdString(); }

void Panel::SetHint(std::string_view text) {
    QString hint = ToQString(text);
    if (hint != impl_.toolTip()) impl_.setToolTip(hint);
}

std::string Panel::Hint() const { return impl_.toolTip().toStdString(); }

void Panel::SetAlignment(Align alignment) {
    impl_.alignment = alignment;
    impl_.Relayout();
}

Align Panel::Alignment() const { return impl_.alignment; }

void Panel::SetWordWrap(bool on) {
    impl_.wordWrap = on;
    impl_.Relayout();
}

void Panel::SetColor(Rgb background) {
    if (background == impl_.background) return;
    impl_.background = background;
    impl_.update();
}

Rgb Panel::Color() const { return impl_.background; }

void Panel::SetFont(const FontSpec& spec) {
    impl_.setFont(MakeFont(spec));
    impl_.fontColor = spec.Color;
    if (impl_.autoSize) impl_.FitToText();
    impl_.Relayout();
}

Rgb Panel::FontColor() const { return impl_.fontColor; }

void Panel::SetBevel(int width) {
    impl_.bevel = width;
    impl_.Relayout();
}

void Panel::SetAutoSize(bool on) {
    impl_.autoSize = on;
    if (on) impl_.FitToText();
}

Box Panel::Bounds() const {
    const QRect r = impl_.geometry();
    return {r.x(), r.y(), r.width(), r.height()};
}

void Panel::Impl::FitToText() {
    // Wide enough for the ink too: synthetic bold reaches past the last advance.
    const QFontMetrics metrics(font());
    const QRect ink = InkBox(font(), caption);
    const int width = ink.isEmpty()
                          ? metrics.horizontalAdvance(caption)
                          : std::max(metrics.horizontalAdvance(caption), ink.right() + 1) - std::min(0, ink.left());
    resize(width + 2 * bevel, metrics.height() + 2 * bevel);
}

void Panel::Impl::Relayout() {
    layout.reset();
    update();
}

void Panel::Impl::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layout.reset();
}

QRect Panel::Impl::CaptionArea() const { return rect().adjusted(bevel, bevel, -bevel, -bevel); }

void Panel::Impl::PaintCaption(QPainter& painter) {
    if (caption.isEmpty()) return;
    if (wordWrap) {
        painter.setFont(font());
        painter.setPen(QColor::fromRgb(fontColor));
        painter.drawText(rect(), int(ToQtAlignment(alignment) | Qt::AlignTop) | Qt::TextWordWrap, caption);
        return;
    }
    if (!layout) layout = FitCaption(font(), caption, CaptionArea(), alignment);
    painter.setFont(layout->Font);
    painter.setPen(QColor::fromRgb(fontColor));
    painter.drawText(layout->Origin, caption);
}

void Panel::Impl::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect box = rect();
    p.fillRect(box, QColor::fromRgb(background));
    for (int i = 0; i < bevel; ++i) {
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
    if (focusMark) {
        p.setClipping(false);
        PaintFocusMark(p);
    }
}

void Panel::Impl::mousePressEvent(QMouseEvent* event) {
    const MouseButton button = FromQtButton(event->button());
    const Point at = FromQPoint(event->globalPosition().toPoint());
    if (button == MouseButton::Left) pressed = true;
    if (role == PanelRole::Key) ReturnFocusHome();
    if (face.OnMouseDown) RunInForm(this, [&] { face.OnMouseDown(button, at); });
}

void Panel::Impl::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const bool clicked = pressed && rect().contains(event->position().toPoint());
    pressed = false;
    if (clicked && face.OnClick) RunAsKey(face.OnClick);
}

void Panel::Impl::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    pressed = false;  // the release that follows is not a click
    const Point at = FromQPoint(event->globalPosition().toPoint());
    if (face.OnMouseDown) RunInForm(this, [&] { face.OnMouseDown(MouseButton::Left, at); });
    if (face.OnDblClick) RunAsKey(face.OnDblClick);
}

}  // namespace abacone
