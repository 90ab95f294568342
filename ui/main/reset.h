// Every process-wide value of the layers up to the windows back to its start value: the
// engine with its memories and display record, the functions, the auxiliary windows'
// open flags and the hex pad's digits. A layer that adds state adds its reset here.
// The services and the window commands are wiring, set and unset by their owners.
#pragma once

namespace abacone {

void ResetWindowState();

}  // namespace abacone
