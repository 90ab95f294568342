// All process-wide state back to its start values: the windows' layers and the shell's
// own. Start-up runs it, and so does every test fixture that starts the shell.
#pragma once

namespace abacone {

void ResetProcessState();

}  // namespace abacone
