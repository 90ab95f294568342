// Colours and fonts of the calculator's windows. Control tables name their colours and
// fonts with these; each implementation of the window layer turns a FontSpec into the
// pixel-sized Japanese face.
#pragma once

#include "platform/window_types.h"

namespace abacone {

namespace color {
inline constexpr Rgb Black = 0xFF000000, White = 0xFFFFFFFF, Navy = 0xFF000080, Blue = 0xFF0000FF, Silver = 0xFFC0C0C0,
                     Gray = 0xFF808080, Teal = 0xFF008080;
inline constexpr Rgb Hint = 0xFFDFFFF8;  // tool-tip background: RGB 223, 255, 248
}  // namespace color

struct FontSpec {
    int PixelSize = 13;
    bool Bold = true;
    bool Italic = false;
    Rgb Color = color::White;
};

// The main window's own font: 13 pixels, bold, white.
inline constexpr FontSpec WindowFont{};

}  // namespace abacone
