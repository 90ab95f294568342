// Process-wide state of the application shell, read by the activation handlers and the
// placement commands. No toolkit header here.
#pragma once

#include "ui/geometry/window_geometry.h"

namespace abacone {

extern int HiddenStart;         // 1 after a hidden start until the tray icon shows the window
extern int ActiveClientHeight;  // client height restored on every activation: 76 or 186
extern int ExtendedKeypad;      // 1 while the extended keypad rows are shown

// The start values: shown, compact, no extended rows.
void ResetShellState();

}  // namespace abacone
