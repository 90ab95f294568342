// Where the main window goes: the jumps to the corners and the centre, the place taken
// at start-up, the pull-up when the extended rows would reach the screen's bottom, and
// the binary window's place when the calculator is activated again. Plain arithmetic on
// outer boxes in screen pixels; the 16-pixel nudges are NudgeWindow's.
#pragma once

#include "ui/geometry/window_geometry.h"

namespace abacone {

struct ScreenSize {
    int Width = 0;
    int Height = 0;
};

enum class Jump { BottomRight, BottomLeft, TopRight, TopLeft, Centre };

// 16 pixels in from the left or right edge, 32 from the top or bottom; the size is not
// checked against the screen.
Point JumpPlace(Jump jump, int width, int height, ScreenSize screen);

// The start-up place, computed while the window still has its extended height
// `laidOutHeight`: its bottom edge, once shrunk to the compact keypad, ends
// 33 + `frameWidth` pixels above the screen's bottom.
Point StartupPlace(int width, int laidOutHeight, int frameWidth, ScreenSize screen);

// A place moved up and left just so far that a window of `width` by `height` ends inside
// `workArea`, the screen less its taskbar and panels: one taller than the start-up
// margin would cover the keypad's last row. An empty area leaves the place alone.
Point KeepInWorkArea(Point at, int width, int height, Box workArea);

// The top after the window grew to `height`: unchanged unless its bottom edge would come
// closer than 16 pixels to the screen's bottom, else 32 pixels above it.
int ExtendedKeypadTop(int top, int height, int screenHeight);

// Under the main window's display lines, or flush with the screen's bottom when that row
// lies below the screen.
Point BinaryWindowActivatedPlace(const MainWindowMetrics& main, int binaryHeight, int screenHeight);

}  // namespace abacone
