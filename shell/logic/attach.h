// One step of the attach mode as a decision over what the timer saw: where the main
// window and the binary window go, or that they stay where they are.
#pragma once

#include <optional>

#include "ui/geometry/window_geometry.h"

namespace abacone {

struct ForegroundWindow {
    Box Frame;            // outer rectangle, frame included
    bool Iconic = false;  // minimised
};

struct AttachView {
    bool MainIconic = false;
    int MainHeight = 0;  // outer height of the main window
    bool ApplicationActive = false;
    std::optional<ForegroundWindow> Foreground;  // none, or its rectangle could not be read
    Box Desktop;                                 // all screens together
    int ScreenHeight = 0;
    bool BinaryWindowOpen = false;
    int BinaryWindowHeight = 0;  // its current outer height
};

struct AttachMoves {
    std::optional<Point> Main;
    std::optional<Point> Binary;
};

// A main window in use is 76 pixels or more high; only the shrunken one follows.
inline constexpr int AttachMaxHeight = 76;

AttachMoves AttachStep(const AttachView& view);

}  // namespace abacone
