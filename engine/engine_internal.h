// Small helpers shared by the engine's source files.
#pragma once

#include <algorithm>
#include <cstring>
#include <string_view>

#include "engine/calc_state.h"
#include "engine/display.h"

namespace abacone {

inline std::string_view EntryText() { return {State.EntryBuffer, static_cast<std::size_t>(State.EntryLength)}; }

inline std::string_view ResultTextView() { return {State.ResultText, strnlen(State.ResultText, EntryCapacity)}; }

inline void SetResultText(std::string_view s) {
    std::memset(State.ResultText, 0, EntryCapacity);
    std::memcpy(State.ResultText, s.data(), std::min<std::size_t>(s.size(), EntryCapacity - 1));
}

// Empties the entry: the buffer reads "0" again.
inline void EmptyEntry() {
    std::memset(State.EntryBuffer, 0, EntryCapacity);
    State.EntryBuffer[0] = '0';
    State.EntryLength = 0;
    State.EntryHasPoint = 0;
    State.EntryNegative = 0;
    State.EntryZeroTyped = false;
}

inline void SetIndicator(char c) { Display.Label2.assign(1, c); }

// An entry counts as typed for the operator keys, "=" and the root also when only a
// zero was typed (that zero is not stored but is still the operand).
// Drops the kept length of the last result (evaluate.cpp), as part of ResetEngine.
void ForgetAccumulatorLength();

inline bool OperandTyped() { return State.EntryLength != 0 || State.EntryZeroTyped; }

// Beyond what a result may be: the error.
bool OutOfRange(CalcValue v);

// Makes r, the value of `a op b`, the finished result: the entry emptied, nothing
// pending, shown as Calculate shows it.
void ShowCalculated(CalcValue a, int op, CalcValue b, CalcValue r);

}  // namespace abacone
