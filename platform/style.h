// Colours and fonts of the calculator's windows. Control tables name their colours and
// fonts with these; MakeFont turns a FontSpec into the pixel-sized Japanese face.
#pragma once

#include <QFont>
#include <QRgb>

namespace abacone {

namespace color {
inline constexpr QRgb Black = 0xFF000000, White = 0xFFFFFFFF, Navy = 0xFF000080,
                      Blue = 0xFF0000FF, Silver = 0xFFC0C0C0, Gray = 0xFF808080,
                      Teal = 0xFF008080;
inline constexpr QRgb Hint = 0xFFDFFFF8;  // tool-tip background: RGB 223, 255, 248
}  // namespace color

struct FontSpec {
    int PixelSize = 13;
    bool Bold = true;
    bool Italic = false;
    QRgb Color = color::White;
};

// The main window's own font: 13 pixels, bold, white.
inline constexpr FontSpec WindowFont{};

// Pixel sizes only, so nothing scales with the screen's resolution.
QFont MakeFont(const FontSpec& spec);

}  // namespace abacone
