#include "ui/hexpad/logic/hexpad_logic.h"

#include <array>
#include <charconv>
#include <cstring>

#include "engine/copy.h"
#include "engine/engine.h"
#include "platform/services/keycodes.h"

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
    {vk::Insert, HexKeyAction::Digit, 'A'}, {vk::F(1), HexKeyAction::Digit, 'A'}, {vk::F(7), HexKeyAction::Digit, 'A'},
    {vk::Home, HexKeyAction::Digit, 'B'},   {vk::F(2), HexKeyAction::Digit, 'B'}, {vk::F(8), HexKeyAction::Digit, 'B'},
    {vk::Prior, HexKeyAction::Digit, 'C'},  {vk::F(3), HexKeyAction::Digit, 'C'}, {vk::F(9), HexKeyAction::Digit, 'C'},
    {vk::Delete, HexKeyAction::Digit, 'D'}, {vk::F(4), HexKeyAction::Digit, 'D'}, {vk::F(10), HexKeyAction::Digit, 'D'},
    {vk::End, HexKeyAction::Digit, 'E'},    {vk::F(5), HexKeyAction::Digit, 'E'}, {vk::F(11), HexKeyAction::Digit, 'E'},
    {vk::Next, HexKeyAction::Digit, 'F'},   {vk::F(6), HexKeyAction::Digit, 'F'}, {vk::F(12), HexKeyAction::Digit, 'F'},
    {vk::Left, HexKeyAction::Delete, 0},    {vk::Return, HexKeyAction::Enter, 0}, {vk::Escape, HexKeyAction::Close, 0},
}};

// The numeric keypad's operator keys stand for A to E; blank and comma for F.
struct CharMapping {
    char From;
    char To;
};
constexpr std::array<CharMapping, 7> CharTable{{
    {'/', 'A'},
    {'*', 'B'},
    {'-', 'C'},
    {'+', 'D'},
    {'.', 'E'},
    {' ', 'F'},
    {',', 'F'},
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
    if (c == HexPadBackspace) {
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
    if (c == HexPadBackspace) return HexPadBackspace;
    for (const auto& m : CharTable)
        if (m.From == c) return m.To;
    if (c > 'Z') c &= ~0x20;
    return IsHexDigit(c) ? c : 0;
}

void HexPadKeyDown(int virtualKey) {
    const HexKeyBinding binding = HexPadKeyBinding(virtualKey);
    switch (binding.Action) {
    case HexKeyAction::Digit: HexPadAddDigit(binding.Digit); break;
    case HexKeyAction::Delete: HexPadAddDigit(HexPadBackspace); break;
    case HexKeyAction::Enter: HexPadEnter(); break;
    case HexKeyAction::Close: HexPadClose(); break;
    case HexKeyAction::None: break;
    }
}

void HexPadKeyPress(int c) {
    if (int digit = HexPadCharDigit(c)) HexPadAddDigit(digit);
}

}  // namespace abacone
