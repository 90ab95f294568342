// Commands of the main window that act on the window itself: placement, display modes,
// the about box, minimising and exit. Start-up installs RunShellCommand as the runner of
// the main window's commands (window_commands.h).
#pragma once

#include "ui/main/window_commands.h"

namespace abacone {

void RunShellCommand(WindowCommand command);

}  // namespace abacone
