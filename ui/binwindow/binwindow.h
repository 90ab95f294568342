#pragma once

namespace abacone {

// Opens the binary display window modally over the main window's keypad.
void OpenBinaryWindow();

}  // namespace abacone
