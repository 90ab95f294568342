// Open flags of the auxiliary windows, process-wide, for the main window's activation
// handlers, the pad's digit logic and the attach-mode timer. No toolkit header here.
#pragma once

namespace abacone {

extern int BinaryWindowOpen;    // 1 from the binary window's creation until destroyed
extern int BinaryWindowHeight;  // its height recorded when it opened
extern int HexPadOpen;          // 1 while the hexadecimal pad waits for input

// Back to closed, as at start-up.
void ResetOpenFlags();

}  // namespace abacone
