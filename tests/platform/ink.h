// Pixel counting for the caption checks: what a control shows against its background.
#pragma once

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QRect>
#include <QWidget>

namespace abacone {

inline bool IsInk(const QImage& image, int x, int y, QRgb background) {
    return (image.pixel(x, y) | 0xFF000000) != (background | 0xFF000000);
}

// Pixels inside `area` that differ from the background.
inline int CountInk(const QImage& image, QRect area, QRgb background) {
    int count = 0;
    area &= image.rect();
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) count += IsInk(image, x, y, background);
    return count;
}

// The bounding box of those pixels; empty when there are none.
inline QRect InkRect(const QImage& image, QRect area, QRgb background) {
    QRect box;
    area &= image.rect();
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (IsInk(image, x, y, background)) box |= QRect(x, y, 1, 1);
    return box;
}

// The bounding box of the pixels in which two renderings of one control differ.
inline QRect DifferenceRect(const QImage& a, const QImage& b) {
    QRect box;
    for (int y = 0; y < std::min(a.height(), b.height()); ++y)
        for (int x = 0; x < std::min(a.width(), b.width()); ++x)
            if (a.pixel(x, y) != b.pixel(x, y)) box |= QRect(x, y, 1, 1);
    return box;
}

// One typed character as the system delivers it; "\x1b" is Esc.
inline void TypeKey(QWidget& window, char c) {
    const int key = c == '\x1b' ? Qt::Key_Escape : c >= 'a' && c <= 'z' ? c - 32 : c;
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier, QString(QChar(c)));
    QApplication::sendEvent(&window, &event);
}

}  // namespace abacone
