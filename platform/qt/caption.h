// Where a caption's ink goes. A face's line box says little about its glyphs: the free
// Japanese Gothic that stands in for the Windows face draws digits nearly as tall as the
// whole line, so a caption centred by its line box and clipped to a 10-pixel panel loses
// its top rows ("1" reads as "T"). Captions are therefore measured by the pixels they
// really cover and placed by that ink box.
#pragma once

#include <QFont>
#include <QPoint>
#include <QRect>
#include <QString>

namespace abacone {

// The rectangle a text's pixels cover when drawn with its baseline origin at (0, 0),
// antialiasing and synthetic bold included; empty for a text without ink.
QRect InkBox(const QFont& font, const QString& text);

// The font a caption is drawn in and its baseline origin inside its area.
struct CaptionLayout {
    QFont Font;
    QPoint Origin;
};

// Fits a single-line caption into `area`: every pixel of its ink inside the area, none
// on the area's right column for right alignment (a display's last digit keeps a free
// column), centred by ink where the alignment says centre. The font keeps its size when
// the face's digits and capitals leave a free row in the area, and is made smaller
// otherwise, so that keys in a row share one size; a caption that still does not fit
// (a tall sign, a long text) gets a smaller size of its own.
CaptionLayout FitCaption(const QFont& font, const QString& text, QRect area, Qt::Alignment alignment);

}  // namespace abacone
