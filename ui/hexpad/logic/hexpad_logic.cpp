#include "ui/hexpad/logic/hexpad_logic.h"

#include <array>
#include <charconv>
#include <cstring>

#include "engine/copy.h"
#include "engine/engine.h"

namespace abacone {

char HexDigits[HexDigitsCapacity] = {'0'};
int HexDigitCount = 0;
std::string HexPadLabel1 = "0";
HexPadCloseHandler HexPadCloser = nullptr;

namespace {

bool IsHexDigit(int c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'); }

// The six-key block Insert/Home/Page Up over Delete/End/Page Down gives A B C over D E F,
// and so do F1…F6 and F7…F12.
constexpr std::array<HexKeyBinding, 21> KeyTable{{
    {45, HexKeyAction::Digit, 'A'},  {112, HexKeyAction::Digit, 'A'}, {118, HexKeyAction::Digit, 'A'},
    {36, HexKeyAction::Digit, 'B'},  {113, HexKeyAction::Digit, 'B'}, {119, HexKeyAction::Digit, 'B'},
    {33, HexKeyAction::Digit, 'C'},  {114, HexKeyAction::Digit, 'C'}, {120, HexKeyAction::Digit, 'C'},
    {46, HexKeyAction::Digit, 'D'},  {115, HexKeyAction::Digit, 'D'}, {121, HexKeyAction::Digit, 'D'},
    {35, HexKeyAction::Digit, 'E'},  {116, HexKeyAction::Digit, 'E'}, {122, HexKeyAction::Digit, 'E'},
    {34, HexKeyAction::Digit, 'F'},  {117, HexKeyAction::Digit, 'F'}, {123, HexKeyAction::Digit, 'F'},
    {37, HexKeyAction::Delete, 0},
    {13, HexKeyAction::Enter, 0},
    {27, HexKeyAction::Close, 0},
}};

// The numeric keypad's operator keys stand for A to E; blank and comma for F.
struct CharMapping {
    char From;
    char To;
};
constexpr std::array<CharMapping, 7> CharTable{{
    {'/', 'A'}, {'*', 'B'}, {'-', 'C'}, {'+', 'D'}, {'.', 'E'}, {' ', 'F'}, {',', 'F'},
}};

}  // namespace

void HexPadShow() { HexPadLabel1 = HexDigits; }

void HexPadReset() {
    std::memset(HexDigits, 0, sizeof HexDigits);
    HexDigits[0] = '0';
    HexDigitCount = 0;
    HexPadShow();
}

void HexPadAddDigit(int c) {
    if (c == 8) {
        if (HexDigitCount > 0) {
            HexDigits[--HexDigitCount] = '\0';
            if (HexDigitCount == 0) HexDigits[0] = '0';
            HexPadShow();
        }
        return;
    }
    // Only the sixteen digits may enter: anything else would corrupt the value.
    if (!IsHexDigit(c) || HexDigitCount >= HexDigitsMax) return;
    HexDigits[HexDigitCount++] = static_cast<char>(c);
    HexDigits[HexDigitCount] = '\0';
    HexPadShow();
}

std::uint32_t HexPadValue() {
    std::uint32_t value = 0;
    for (int i = 0; i < HexDigitsCapacity && HexDigits[i] != '\0'; ++i) {
        int code = static_cast<unsigned char>(HexDigits[i]);
        if (code > 64) code -= 7;
        value = value * 16u + static_cast<std::uint32_t>(code - 48);
    }
    return value;
}

std::string HexPadDecimalText() {
    char digits[16];
    auto end = std::to_chars(digits, digits + sizeof digits, HexPadValue()).ptr;
    std::string text(digits, end);
    if (text.size() < 11) text.insert(0, 11 - text.size(), ' ');
    return text;
}

void HexPadEnter() {
    // EnterDigit skips the blanks and a leading "0" into the empty entry, so the value
    // arrives exactly as if typed on the keypad.
    for (char c : HexPadDecimalText()) EnterDigit(c);
    HexPadClose();
}

void HexPadClose() {
    HexPadOpen = 0;
    if (HexPadCloser) HexPadCloser();
}

void HexPadCopy() { CopyToClipboard(std::string("0x") + HexDigits); }

HexKeyBinding HexPadKeyBinding(int virtualKey) {
    for (const auto& binding : KeyTable)
        if (binding.VirtualKey == virtualKey) return binding;
    return {virtualKey, HexKeyAction::None, 0};
}

int HexPadCharDigit(int c) {
    if (c == 8) return 8;
    for (const auto& m : CharTable)
        if (m.From == c) return m.To;
    if (c > 'Z') c &= ~0x20;
    return IsHexDigit(c) ? c : 0;
}

void HexPadKeyDown(int virtualKey) {
    const HexKeyBinding binding = HexPadKeyBinding(virtualKey);
    switch (binding.Action) {
    case HexKeyAction::Digit: HexPadAddDigit(binding.Digit); break;
    case HexKeyAction::Delete: HexPadAddDigit(8); break;
    case HexKeyAction::Enter: HexPadEnter(); break;
    case HexKeyAction::Close: HexPadClose(); break;
    case HexKeyAction::None: break;
    }
}

void HexPadKeyPress(int c) {
    if (int digit = HexPadCharDigit(c)) HexPadAddDigit(digit);
}

}  // namespace abacone
