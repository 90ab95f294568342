#include "ui/geometry/window_geometry.h"

#include <algorithm>

namespace abacone {

int DisplayLinesBottom(const MainWindowMetrics& main) {
    return main.Top + (main.Height - main.ClientHeight) + main.Label1Height + main.Label3Height;
}

Point OverClientRow(const Box& owner, const Insets& ownerFrame, int row) {
    return {owner.Left, owner.Top + ownerFrame.Top + row};
}

Point BinaryWindowOpenPlace(const MainWindowMetrics& main) { return {main.Left, DisplayLinesBottom(main) - 1}; }

Point BinaryWindowDefaultPlace(const MainWindowMetrics& main) { return {main.Left, DisplayLinesBottom(main) + 1}; }

Point NudgeWindow(Point at, int width, int height, NudgeDirection direction, int screenWidth, int screenHeight) {
    switch (direction) {
    case NudgeDirection::Up: at.Y = std::max(at.Y - NudgeStep, 0); break;
    case NudgeDirection::Down: at.Y = std::min(at.Y + NudgeStep, screenHeight - height); break;
    case NudgeDirection::Left: at.X = std::max(at.X - NudgeStep, 0); break;
    case NudgeDirection::Right: at.X = std::min(at.X + NudgeStep, screenWidth - width); break;
    }
    return at;
}

Point HexPadPlace(const MainWindowMetrics& main, int padHeight, int screenHeight) {
    int top = DisplayLinesBottom(main) - 1;
    if (screenHeight < top + padHeight) top = screenHeight - padHeight;
    return {main.Left + 4, top};
}

}  // namespace abacone
