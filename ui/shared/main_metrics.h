// The auxiliary windows' link to the main window: its geometry as the placement
// arithmetic wants it (zeros while there is none).
#pragma once

#include "ui/geometry/window_geometry.h"

namespace abacone {

MainWindowMetrics CurrentMainMetrics();

}  // namespace abacone
