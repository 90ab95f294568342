#include "fuzz/invariants.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "engine/engine.h"

namespace abacone::fuzz {

namespace {

[[noreturn]] void Broken(const char* step, const char* what) {
    std::fprintf(stderr,
                 "invariant broken after %s: %s\n"
                 "  EntryBuffer \"%.*s\" EntryLength %d HasPoint %d Negative %d ZeroTyped %d\n"
                 "  PendingOperator %d ErrorLatched %d Accumulator %.21Lg ResultText \"%.*s\"\n"
                 "  Label1 \"%s\" Label2 \"%s\" Label3 \"%s\" Label4 \"%s\"\n",
                 step, what, EntryCapacity, State.EntryBuffer, State.EntryLength, State.EntryHasPoint,
                 State.EntryNegative, int(State.EntryZeroTyped), State.PendingOperator, State.ErrorLatched,
                 State.Accumulator, EntryCapacity, State.ResultText, Label1Text().c_str(), Display.Label2.c_str(),
                 Label3Text().c_str(), Label4Hint().c_str());
    std::abort();
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// An optional sign from `signs`, digits, and at most one point followed by digits.
bool IsNumberText(std::string_view s, std::string_view signs) {
    if (!s.empty() && signs.find(s.front()) != std::string_view::npos) s.remove_prefix(1);
    if (s.empty() || !IsDigit(s.front())) return false;
    bool point = false;
    for (char c : s) {
        if (c == '.' && !point) {
            point = true;
        } else if (!IsDigit(c)) {
            return false;
        }
    }
    return true;
}

std::size_t CountDigits(std::string_view s) {
    std::size_t n = 0;
    for (char c : s) n += IsDigit(c);
    return n;
}

void CheckEntry(const char* step) {
    const std::size_t stored = strnlen(State.EntryBuffer, EntryCapacity);
    if (stored == EntryCapacity) Broken(step, "EntryBuffer is not terminated");
    const std::string_view text(State.EntryBuffer, stored);
    if (State.EntryLength < 0 || State.EntryLength > 17) Broken(step, "EntryLength out of 0..17");
    if (State.EntryZeroTyped && State.EntryLength != 0) {
        Broken(step, "a typed zero is remembered beside a stored entry");
    }
    if (State.EntryLength == 0) {
        if (text != "0" && !text.empty()) Broken(step, "an empty entry does not read 0");
        if (State.EntryHasPoint || State.EntryNegative) Broken(step, "flags set on an empty entry");
        return;
    }
    if (text.size() != static_cast<std::size_t>(State.EntryLength)) {
        Broken(step, "EntryLength does not count the entry's characters");
    }
    if (!IsNumberText(text, "-")) Broken(step, "the entry is not a number as typed");
    if (CountDigits(text) > 15) Broken(step, "the entry holds more than 15 digits");
    if (State.EntryHasPoint != (text.find('.') != std::string_view::npos)) {
        Broken(step, "EntryHasPoint disagrees with the text");
    }
    // A failed calculation clears the flag but keeps the typed text; nothing but
    // ClearError runs in that state, and it empties the entry.
    if (!State.ErrorLatched && State.EntryNegative != (text.front() == '-')) {
        Broken(step, "EntryNegative disagrees with the text");
    }
}

void CheckDisplays(const char* step) {
    const std::string decimal = Label1Text();
    if (decimal.size() > 18 || (decimal != "Error" && !IsNumberText(decimal, "-"))) {
        Broken(step, "the decimal display is not a number of at most 18 characters");
    }
    const std::string hex = Label3Text();
    if (hex.empty() || hex.size() > 8 || (hex.size() > 1 && hex.front() == '0') ||
        hex.find_first_not_of("0123456789ABCDEF") != std::string::npos) {
        Broken(step, "the hexadecimal display is not 1 to 8 upper-case digits");
    }
    if (ShownHexText() != hex) Broken(step, "ShownHexText differs from the hexadecimal line");
    const std::string binary = Label4Hint();
    std::string expected;
    for (char h : hex) {
        const int v = IsDigit(h) ? h - '0' : h - 'A' + 10;
        if (!expected.empty()) expected += ' ';
        for (int bit = 3; bit >= 0; --bit) expected += ((v >> bit) & 1) ? '1' : '0';
    }
    if (binary != expected) Broken(step, "the binary hint does not spell the hexadecimal line");
    if (Display.Label2.empty() || Display.Label2.size() > 2) Broken(step, "odd operator indicator");
}

}  // namespace

void CheckInvariants(const char* step) {
    if (State.ErrorLatched != 0 && State.ErrorLatched != 1) Broken(step, "ErrorLatched not 0 or 1");
    const int op = State.PendingOperator;
    if (!((op >= OpAdd && op <= OpMod) || op == OpDone)) Broken(step, "unknown PendingOperator");
    if (!std::isfinite(State.Accumulator) || std::fabs(State.Accumulator) > 99999999999999.0L) {
        Broken(step, "the accumulator left the range");
    }
    const std::size_t resultLength = strnlen(State.ResultText, EntryCapacity);
    if (resultLength == EntryCapacity) Broken(step, "ResultText is not terminated");
    const std::string_view result(State.ResultText, resultLength);
    if (result != "0" && result != "Error" && (result.size() > 18 || !IsNumberText(result, "+-"))) {
        Broken(step, "ResultText is not a formatted value");
    }
    CheckEntry(step);
    CheckDisplays(step);
}

}  // namespace abacone::fuzz
