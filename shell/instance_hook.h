// The program entry's view of the single instance: one call before the windows are built,
// one after.
#pragma once

namespace abacone {

// True when this start ends: a calculator already runs for this user and display and came
// forward (or is still starting and did not answer). False when this process is the
// calculator; it stays so until it ends.
bool SummonedOtherInstance();
// From now on later starts bring this calculator forward as its tray icon does. Also
// tells on standard error what the window system does not allow.
void ServeLaterStarts();

}  // namespace abacone
