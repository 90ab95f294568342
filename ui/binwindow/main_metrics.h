// The main window's geometry as the placement arithmetic wants it, read from the live
// window. Zeros while there is no main window.
#pragma once

#include "ui/binwindow/placement.h"

namespace abacone {

MainWindowMetrics CurrentMainMetrics();

}  // namespace abacone
