#include "ui/geometry/window_geometry.h"

#include <algorithm>

namespace abacone {

int DisplayLinesBottom(const MainWindowMetrics& main) {
    return main.Top + (main.Height - main.ClientHeight) + main.Label1Height + main.Label3Height;
}

WindowPoint BinaryWindowOpenPlace(const MainWindowMetrics& main) {
    return {main.Left, DisplayLinesBottom(main) - 1};
}

WindowPoint BinaryWindowDefaultPlace(const MainWindowMetrics& main) {
    return {main.Left, DisplayLinesBottom(main) + 1};
}

WindowPoint NudgeWindow(WindowPoint at, int width, int height, NudgeDirection direction,
                        int screenWidth, int screenHeight) {
    switch (direction) {
    case NudgeDirection::Up: at.Top = std::max(at.Top - NudgeStep, 0); break;
    case NudgeDirection::Down: at.Top = std::min(at.Top + NudgeStep, screenHeight - height); break;
    case NudgeDirection::Left: at.Left = std::max(at.Left - NudgeStep, 0); break;
    case NudgeDirection::Right: at.Left = std::min(at.Left + NudgeStep, screenWidth - width); break;
    }
    return at;
}

WindowPoint HexPadPlace(const MainWindowMetrics& main, int padHeight, int screenHeight) {
    int top = DisplayLinesBottom(main) - 1;
    if (screenHeight < top + padHeight) top = screenHeight - padHeight;
    return {main.Left + 4, top};
}

}  // namespace abacone
