// The number being typed: digits, point, backspace, sign, clears and typed values.
#include <cstring>

#include "engine/engine.h"
#include "engine/engine_internal.h"
#include "engine/value_text.h"

namespace abacone {

void EnterDigit(char c) {
    if (State.ErrorLatched) return;
    if ((c < '0' || c > '9') && c != '.') return;
    if (State.EntryLength >= MaxEntryDigits + State.EntryHasPoint + State.EntryNegative) return;
    if (c == '0' && State.EntryLength == 0) {
        State.EntryZeroTyped = true;
        ShowEntry("0");
        return;
    }
    if (c == '.') {
        if (State.EntryHasPoint) return;
        State.EntryHasPoint = 1;
        if (State.EntryLength == 0) State.EntryBuffer[State.EntryLength++] = '0';
    }
    State.EntryBuffer[State.EntryLength++] = c;
    State.EntryBuffer[State.EntryLength] = '\0';
    State.EntryZeroTyped = false;
    ShowEntry(EntryText());
}

void DeleteLastDigit() {
    if (State.ErrorLatched) return;
    State.EntryZeroTyped = false;
    int& n = State.EntryLength;
    if (n == 0) return;
    char* b = State.EntryBuffer;
    if (n >= 2 && b[n - 2] == '.') {
        n -= 2;
        State.EntryHasPoint = 0;
    } else {
        if (b[--n] == '.') State.EntryHasPoint = 0;
    }
    b[n] = '\0';
    if (n == 0) {
        EmptyEntry();
        ShowEntry("0");
        // The whole entry is gone: the pending operator goes with it.
        State.PendingOperator = OpDone;
        ShowResult(ResultTextView());
        SetIndicator('=');
        return;
    }
    if (n == 1 && b[0] == '-') {
        // The sign alone stays counted as one character that reads "0".
        b[0] = '0';
        State.EntryNegative = 0;
    }
    ShowEntry(EntryText());
}

void ClearAll() {
    if (State.ErrorLatched) return;
    EmptyEntry();
    SetResultText("0");
    ShowResult("0");
    SetIndicator('+');
    State.PendingOperator = OpAdd;
    State.Accumulator = 0;
}

void ClearError() {
    State.ErrorLatched = 0;
    SetIndicator('+');
    State.PendingOperator = OpAdd;
    EmptyEntry();
    const ValueText t = FormatValueText(State.Accumulator);
    ShowResult(t.View());
    SetResultText(t.View());
}

void ClearEntry() {
    // In the error state the typed text keeps its sign, so its flag stays too.
    if (State.ErrorLatched) return;
    for (int i = 0; i < 20; ++i) DeleteLastDigit();
    State.EntryNegative = 0;
}

void ToggleEntrySign() {
    if (State.ErrorLatched || State.EntryLength == 0) return;
    char* b = State.EntryBuffer;
    int& n = State.EntryLength;
    if (b[0] == '-') {
        std::memmove(b, b + 1, static_cast<std::size_t>(n));  // moves the terminator too
        --n;
        State.EntryNegative = 0;
    } else {
        std::memmove(b + 1, b, static_cast<std::size_t>(n) + 1);
        b[0] = '-';
        ++n;
        State.EntryNegative = 1;
    }
    ShowResult(EntryText());
}

void MakeEntryNegative() {
    if (State.ErrorLatched || State.EntryNegative) return;
    ToggleEntrySign();
}

void RaiseError() {
    State.ErrorLatched = 1;
    SetIndicator('E');
}

void EnterValue(CalcValue v) {
    if (State.EntryLength != 0 || State.ErrorLatched) return;
    const ValueText t = FormatValueText(v);
    std::string_view digits = t.View();
    if (!digits.empty() && digits.front() == '+') digits.remove_prefix(1);
    const bool negative = !digits.empty() && digits.front() == '-';
    if (negative) digits.remove_prefix(1);
    for (std::size_t i = 0; i < digits.size() && i < EntryCapacity - 1; ++i) EnterDigit(digits[i]);
    if (negative) MakeEntryNegative();
}

}  // namespace abacone
