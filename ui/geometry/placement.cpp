#include "ui/geometry/placement.h"

#include <algorithm>

namespace abacone {
namespace {

constexpr int SideMargin = 16;
constexpr int EdgeMargin = 32;

}  // namespace

Point JumpPlace(Jump jump, int width, int height, ScreenSize screen) {
    const int right = screen.Width - width - SideMargin;
    const int bottom = screen.Height - height - EdgeMargin;
    switch (jump) {
    case Jump::BottomRight: return {right, bottom};
    case Jump::BottomLeft: return {SideMargin, bottom};
    case Jump::TopRight: return {right, EdgeMargin};
    case Jump::TopLeft: return {SideMargin, EdgeMargin};
    case Jump::Centre: return {(screen.Width - width) / 2, (screen.Height - height) / 2};
    }
    return {};
}

Point StartupPlace(int width, int laidOutHeight, int frameWidth, ScreenSize screen) {
    return {screen.Width - width - SideMargin,
            screen.Height - (laidOutHeight - ExtendedRowsHeight) - frameWidth - EdgeMargin};
}

Point KeepInWorkArea(Point at, int width, int height, Box workArea) {
    if (workArea.Width <= 0 || workArea.Height <= 0) return at;
    return {std::min(at.X, workArea.Right() - width), std::min(at.Y, workArea.Bottom() - height)};
}

int ExtendedKeypadTop(int top, int height, int screenHeight) {
    if (screenHeight < top + height + SideMargin) return screenHeight - height - EdgeMargin;
    return top;
}

Point BinaryWindowActivatedPlace(const MainWindowMetrics& main, int binaryHeight, int screenHeight) {
    Point at = BinaryWindowOpenPlace(main);
    if (at.Y > screenHeight) at.Y = screenHeight - binaryHeight;
    return at;
}

}  // namespace abacone
