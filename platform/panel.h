// A flat panel or a text label: a fixed box filled with one colour, a caption in one font
// and colour, an optional raised bevel, a hint (tool tip) and mouse callbacks. Windows
// create them from their control tables (controls.h); a click runs through the owning
// Form, so the window renders once the handler is done.
#pragma once

#include <QWidget>
#include <functional>
#include <string_view>

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
    void SetColor(QRgb background);
    QRgb Color() const { return background_; }
    void SetFont(const FontSpec& spec);
    QRgb FontColor() const { return fontColor_; }
    void SetBevel(int width);  // raised bevel of this many pixels; 0: none
    // A label sized to its caption: the box's width and height follow the text.
    void SetAutoSize(bool on);

    std::function<void()> OnClick;     // left press and release inside the box
    std::function<void()> OnDblClick;  // fast second left press (no second click)
    std::function<void(Qt::MouseButton, QPoint globalPos)> OnMouseDown;

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void FitToText();

    QString caption_;
    Qt::Alignment alignment_ = Qt::AlignCenter;
    QRgb background_ = color::Navy;
    QRgb fontColor_ = color::White;
    int bevel_ = 0;
    bool autoSize_ = false;
    bool pressed_ = false;
};

}  // namespace abacone
