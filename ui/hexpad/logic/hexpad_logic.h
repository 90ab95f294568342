// The hexadecimal input pad without its window: the typed digits, the keys that type
// them, and the hand-over of the value to the engine as decimal digits.
#pragma once

#include <cstdint>
#include <string>

#include "ui/geometry/open_flags.h"  // HexPadOpen

namespace abacone {

inline constexpr int HexDigitsCapacity = 32;
inline constexpr int HexDigitsMax = 8;
// The character code that deletes the last digit, typed or passed to HexPadAddDigit.
inline constexpr int HexPadBackspace = 8;

// The typed digits, NUL-terminated; "0" while nothing is typed.
extern char HexDigits[HexDigitsCapacity];
extern int HexDigitCount;  // 0 while HexDigits holds the placeholder

// What the pad's digit display shows; HexPadShow writes it, the window copies it.
extern std::string HexPadLabel1;

// The open pad registers how it is closed; nullptr while no pad is open.
using HexPadCloseHandler = void (*)();
extern HexPadCloseHandler HexPadCloser;

void HexPadReset();          // back to the placeholder "0", shown
void HexPadAddDigit(int c);  // "0"…"9", "A"…"F" to append, HexPadBackspace to delete
void HexPadShow();
std::uint32_t HexPadValue();
std::string HexPadDecimalText();  // the value as "%11u"
void HexPadEnter();               // types the value through EnterDigit, then closes
void HexPadClose();               // closes without touching the engine
void HexPadCopy();                // "0x" and the digits, through CopyToClipboard

// Keyboard of the pad: a virtual-key code, or a typed character.
enum class HexKeyAction { None, Digit, Delete, Enter, Close };
struct HexKeyBinding {
    int VirtualKey;
    HexKeyAction Action;
    char Digit;  // for Digit only
};
HexKeyBinding HexPadKeyBinding(int virtualKey);
// The digit a typed character stands for, HexPadBackspace for backspace, 0 for none.
int HexPadCharDigit(int c);
void HexPadKeyDown(int virtualKey);
void HexPadKeyPress(int c);

}  // namespace abacone
