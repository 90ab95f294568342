#pragma once

namespace abacone {

// Opens the hexadecimal input pad modally over the main window's keypad and returns once
// it is closed and destroyed. Refused while an error is shown, while a number is being
// typed, and while a pad is already open. HexPadClose (hexpad_logic.h) closes it from
// outside, for instance when the application loses activation.
void OpenHexPad();

}  // namespace abacone
