// A text read as a sequence of keys: the calculation from the clipboard.
#include <charconv>
#include <cstdint>

#include "engine/copy.h"
#include "engine/engine.h"
#include "engine/engine_internal.h"
#include "engine/wide_key.h"
#include "platform/services/services.h"

namespace abacone {
namespace {

void DivideBy(std::string_view digits) {
    ApplyOperator(OpDivide);
    for (const char c : digits) EnterDigit(c);
    Equals();
}

void CopyShown() {
    if (State.EntryLength == 0) {
        CopyToClipboard(ResultTextView());
    } else {
        Clipboard().SetText(EntryText());  // the typed number as it stands, no mark
    }
}

// The digit's value in the base, or -1.
int DigitIn(char c, int base) {
    int v = -1;
    if (c >= '0' && c <= '9') {
        v = c - '0';
    } else if (c >= 'a' && c <= 'f') {
        v = c - 'a' + 10;
    } else if (c >= 'A' && c <= 'F') {
        v = c - 'A' + 10;
    }
    return v < base ? v : -1;
}

// The "x" or "b" of "0x1F" and "0b1010", the forms the hexadecimal and binary copies take.
bool IsBaseLetter(char c) { return c == 'x' || c == 'X' || c == 'b' || c == 'B'; }

// Reads the "0x" or "0b" number that starts at text[at] and types it as the hex pad does:
// the 32-bit pattern as decimal digits, here signed as the hexadecimal line shows it.
// Digits past the eighth hexadecimal or 32nd binary digit are refused, as a digit past the
// entry's limit is, and are never read as commands. Returns the index of the number's last
// character.
std::size_t EnterBaseNumber(std::string_view text, std::size_t at) {
    const bool hex = text[at + 1] == 'x' || text[at + 1] == 'X';
    const int base = hex ? 16 : 2;
    const int maxDigits = hex ? 8 : 32;
    std::uint32_t bits = 0;
    int count = 0;
    std::size_t i = at + 2;
    for (; i < text.size(); ++i) {
        const int d = DigitIn(text[i], base);
        if (d < 0) break;
        if (count == maxDigits) continue;
        bits = bits * static_cast<std::uint32_t>(base) + static_cast<std::uint32_t>(d);
        ++count;
    }
    const bool negative = bits >> 31 != 0;
    char digits[10];
    const auto end = std::to_chars(digits, digits + sizeof digits, negative ? 0u - bits : bits).ptr;
    for (const char* p = digits; p != end; ++p) EnterDigit(*p);
    if (negative) MakeEntryNegative();
    return i - 1;
}

}  // namespace

void CalculateText(std::string_view text, int continueFlag) {
    if (State.ErrorLatched) return;
    if (continueFlag == 0) ClearAll();
    for (std::size_t i = 0;; ++i) {
        if (State.ErrorLatched) return;
        // The end of the text ends it like a line break.
        auto c = static_cast<unsigned char>(i < text.size() ? text[i] : '\0');
        // UTF-8: a non-ASCII character is read whole, as the key it is written for
        // (full-width digits, ×, ÷, ...) or as a blank; none of its bytes acts alone.
        if (c >= 0x80) {
            const WideKey wide = ReadWideKey(text, i);
            i += wide.Length - 1;
            c = static_cast<unsigned char>(wide.Key);
        }
        if (c < 0x20) {
            Equals();
            return;
        }
        if (const auto op = OperatorForChar(static_cast<char>(c))) {
            ApplyOperator(*op);
            continue;
        }
        switch (c) {
        case '0':
            // Only where a number begins: "10x20" stays the digits 1020.
            if (i + 1 < text.size() && IsBaseLetter(text[i + 1]) && !OperandTyped()) {
                i = EnterBaseNumber(text, i);
                break;
            }
            EnterDigit('0');
            break;
        case '1':
        case '2':
        case '3':
        case '4':
        case '5':
        case '6':
        case '7':
        case '8':
        case '9':
        case '.': EnterDigit(static_cast<char>(c)); break;
        case '=': Equals(); break;
        case 'r': SquareRoot(); break;
        case 'p': ToggleEntrySign(); break;
        case 'm': MakeEntryNegative(); break;
        case 'c': CutFraction(); break;
        case 'P': NegateAnswer(); break;
        case 'C': DivideBy("1024"); break;
        case 'T': DivideBy("60"); break;
        case '@': CopyShown(); break;
        default: break;  // blanks, brackets, commas, other letters
        }
    }
}

void CalculateFromClipboard(int continueFlag) {
    if (State.ErrorLatched) return;
    // A copy of our own: the "@" command may replace the clipboard text midway.
    const std::optional<std::string> text = Clipboard().Text();
    if (!text) return;
    CalculateText(*text, continueFlag);
}

}  // namespace abacone
