#pragma once

namespace abacone {

class Form;

// Opens the binary display window modally over the main window's keypad and returns
// once it is closed and destroyed. Does nothing while one is already open.
void OpenBinaryWindow();

// The open window, for the activation handlers and the attach mode that move and
// resize it; nullptr while it is closed.
Form* BinaryWindowForm();
// Height of the window's binary text label: shrunk to this + 1, only the digits show.
inline constexpr int BinaryTextHeight = 32;

}  // namespace abacone
