// Open flags of the auxiliary windows, process-wide, for the main window's activation
// handlers and the attach-mode timer. No toolkit header here.
#pragma once

namespace abacone {

extern int BinaryWindowOpen;    // 1 from the binary window's creation until destroyed
extern int BinaryWindowHeight;  // its height recorded when it opened
extern int HexPadOpen;          // 1 while the hexadecimal pad waits for input

}  // namespace abacone
