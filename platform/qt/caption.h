// Captions measured by the pixels they really cover (see platform/caption_fit.h for why
// and for the arithmetic that places them).
#pragma once

#include <QFont>
#include <QPoint>
#include <QRect>
#include <QString>

#include "platform/caption_fit.h"

namespace abacone {

// The rectangle a text's pixels cover when drawn with its baseline origin at (0, 0),
// antialiasing and synthetic bold included; empty for a text without ink.
QRect InkBox(const QFont& font, const QString& text);

// The font a caption is drawn in and its baseline origin inside its area.
struct CaptionLayout {
    QFont Font;
    QPoint Origin;
};

// FitCaption of caption_fit.h for a Qt font: it starts at the size the face's reference
// glyphs allow in the area's height.
CaptionLayout FitCaption(const QFont& font, const QString& text, QRect area, Align alignment);

}  // namespace abacone
