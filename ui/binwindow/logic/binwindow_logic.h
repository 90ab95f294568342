// The binary display window's texts, without the window.
#pragma once

#include <string>

namespace abacone {

// The accumulator in binary, groups of four split by one blank ("1111 1111").
std::string BinaryWindowText();
// "0b" and the same digits without blanks.
std::string BinaryCopyText();
// Replaces the clipboard text directly: no copy mark on the main window.
void CopyBinaryValue();

}  // namespace abacone
