// The auxiliary windows' link to the main window: its geometry as the placement
// arithmetic wants it (zeros while there is none).
#pragma once

#include "ui/binwindow/placement.h"

namespace abacone {

MainWindowMetrics CurrentMainMetrics();

}  // namespace abacone
