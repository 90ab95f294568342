// The application icon for desktop icon themes, made from the program's own pixel art:
// PNGs at the theme's usual sizes and one scalable SVG.
#pragma once

#include <QImage>
#include <QString>
#include <string>

namespace abacone {

// One theme size: which drawing it comes from and the whole-number factor it is
// enlarged by, pixel for pixel, so no size is blurred by resampling.
struct ThemeIconSize {
    int Size;
    const char* const* Art;
    int Scale;
};

extern const ThemeIconSize ThemeIconSizes[];
extern const int ThemeIconSizeCount;

QImage ThemeImage(const ThemeIconSize& size);

// Every opaque pixel as a square of its colour (runs along a row joined into one
// rectangle), in the drawing's own pixel grid.
std::string SvgFromImage(const QImage& image);

// Writes hicolor/NxN/apps/NAME.png and hicolor/scalable/apps/NAME.svg under dir.
// Returns an empty text or what could not be written.
QString WriteIconTheme(const QString& dir, const QString& name);

}  // namespace abacone
