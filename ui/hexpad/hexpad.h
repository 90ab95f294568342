#pragma once

namespace abacone {

// Opens the hexadecimal input pad modally over the main window's keypad.
void OpenHexPad();

}  // namespace abacone
