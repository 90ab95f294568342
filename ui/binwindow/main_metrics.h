// The auxiliary windows' link to the main window: its geometry as the placement
// arithmetic wants it (zeros while there is none), and the return to it.
#pragma once

#include "ui/binwindow/placement.h"

namespace abacone {

MainWindowMetrics CurrentMainMetrics();

// After a modal run: the main window takes the activation back, unless the application
// lost it meanwhile (a window manager need not hand it back by itself).
void ReturnToMainWindow();

}  // namespace abacone
