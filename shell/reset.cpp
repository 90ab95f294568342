#include "shell/reset.h"

#include "shell/logic/shell_state.h"
#include "ui/main/reset.h"

namespace abacone {

void ResetProcessState() {
    ResetWindowState();
    ResetShellState();
}

}  // namespace abacone
