// Where the auxiliary windows go, as arithmetic over the main window's geometry.
#pragma once

#include "platform/window_types.h"

namespace abacone {

// The main window's client heights.
inline constexpr int CompactClientHeight = 76;
inline constexpr int ExtendedClientHeight = 186;
inline constexpr int DisplayLinesHeight = 28;  // the decimal and hexadecimal lines
// The two extended rows' span from the square-root key's top to the log key's bottom.
inline constexpr int ExtendedRowsHeight = 173 + 12 - 76;

// The main window's outer box and the heights of its two display lines, screen pixels.
struct MainWindowMetrics {
    int Left = 0;
    int Top = 0;
    int Height = 0;  // outer height, frame and caption included
    int ClientHeight = 0;
    int Label1Height = 0;  // decimal line
    int Label3Height = 0;  // hexadecimal line
};

// The screen row just below the main window's two display lines. Counted as the windows
// were designed: the outer height less the client height is taken as the caption's, so a
// bottom frame moves the row down by its width. The auxiliary windows' places keep that
// arithmetic on purpose; their positions are what users have known.
int DisplayLinesBottom(const MainWindowMetrics& main);

// A modal window over an owner: its top on the owner's client row `row` (row 0 is the top
// of the owner's client area, found with the frame the window system reports), its left
// on the owner's outer left edge.
Point OverClientRow(const Box& owner, const Insets& ownerFrame, int row);

// Opening overlaps the last row of the hexadecimal line; the "def" command lands two
// rows lower, just below it.
Point BinaryWindowOpenPlace(const MainWindowMetrics& main);
Point BinaryWindowDefaultPlace(const MainWindowMetrics& main);

// 16-pixel moves, kept on the screen on the side they move towards.
enum class NudgeDirection { Up, Down, Left, Right };
inline constexpr int NudgeStep = 16;
Point NudgeWindow(Point at, int width, int height, NudgeDirection direction, int screenWidth, int screenHeight);

// The pad sits 4 pixels in from the main window's left edge and is pulled up to stay on
// the screen.
Point HexPadPlace(const MainWindowMetrics& main, int padHeight, int screenHeight);

}  // namespace abacone
