// Where the auxiliary windows go, as arithmetic over the main window's geometry.
#pragma once

namespace abacone {

// The main window's outer box and the heights of its two display lines, screen pixels.
struct MainWindowMetrics {
    int Left = 0;
    int Top = 0;
    int Height = 0;        // outer height, frame and caption included
    int ClientHeight = 0;
    int Label1Height = 0;  // decimal line
    int Label3Height = 0;  // hexadecimal line
};

struct WindowPoint {
    int Left = 0;
    int Top = 0;
    bool operator==(const WindowPoint&) const = default;
};

// The screen row just below the main window's two display lines.
int DisplayLinesBottom(const MainWindowMetrics& main);

// Opening overlaps the last row of the hexadecimal line; the "def" command lands two
// rows lower, just below it.
WindowPoint BinaryWindowOpenPlace(const MainWindowMetrics& main);
WindowPoint BinaryWindowDefaultPlace(const MainWindowMetrics& main);

// 16-pixel moves, kept on the screen on the side they move towards.
enum class NudgeDirection { Up, Down, Left, Right };
inline constexpr int NudgeStep = 16;
WindowPoint NudgeWindow(WindowPoint at, int width, int height, NudgeDirection direction,
                        int screenWidth, int screenHeight);

// The pad sits 4 pixels in from the main window's left edge and is pulled up to stay on
// the screen.
WindowPoint HexPadPlace(const MainWindowMetrics& main, int padHeight, int screenHeight);

}  // namespace abacone
