// A flat panel or a text label: a fixed box filled with one colour, a caption in one font
// and colour, an optional raised bevel, a hint (tool tip) and mouse callbacks. Windows
// create them from their control tables (controls.h); a click runs through the owning
// Form, so the window renders once the handler is done.
#pragma once

#include <QWidget>

class QPainter;
#include <functional>
#include <optional>
#include <string_view>

#include "platform/caption.h"
#include "platform/style.h"

namespace abacone {

class Panel : public QWidget {
public:
    explicit Panel(QWidget* parent);

    void SetCaption(std::string_view text);
    QString Caption() const { return caption_; }
    void SetHint(std::string_view text);
    QString Hint() const { return toolTip(); }
    void SetAlignment(Qt::Alignment alignment);
    Qt::Alignment Alignment() const { return alignment_; }
    void SetColor(QRgb background);
    QRgb Color() const { return background_; }
    void SetFont(const FontSpec& spec);
    QRgb FontColor() const { return fontColor_; }
    void SetBevel(int width);  // raised bevel of this many pixels; 0: none
    // A label sized to its caption: the box's width and height follow the text.
    void SetAutoSize(bool on);

    // The area inside the bevel that the caption's ink stays in.
    QRect CaptionArea() const;
    // Draws the caption alone, in the control's coordinates and without clipping; the
    // paint event clips it to CaptionArea(). A label that lays its text out otherwise
    // (wrapping) draws it here.
    virtual void PaintCaption(QPainter& painter);

    std::function<void()> OnClick;     // left press and release inside the box
    std::function<void()> OnDblClick;  // fast second left press (no second click)
    std::function<void(Qt::MouseButton, QPoint globalPos)> OnMouseDown;

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void FitToText();
    void Relayout();

    QString caption_;
    Qt::Alignment alignment_ = Qt::AlignCenter;
    QRgb background_ = color::Navy;
    QRgb fontColor_ = color::White;
    int bevel_ = 0;
    bool autoSize_ = false;
    bool pressed_ = false;
    std::optional<CaptionLayout> layout_;  // empty: to be fitted before the next paint
};

}  // namespace abacone
