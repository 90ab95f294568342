// The one calculation in progress: the typed entry, the accumulator with its pending
// operator, the error latch and the two memories.
#pragma once

#include <cstdint>
#include <limits>

namespace abacone {

// x87 80-bit extended: 64-bit significand. Results must match that precision exactly.
using CalcValue = long double;
static_assert(std::numeric_limits<CalcValue>::digits == 64, "CalcValue needs the 80-bit extended long double");

enum OperatorCode : std::int32_t {
    OpAdd = 0,
    OpSubtract = 1,
    OpMultiply = 2,
    OpDivide = 3,
    OpMod = 4,
    OpDone = 9,
};

inline constexpr int EntryCapacity = 32;
// A typed number holds at most this many digits, besides its point and its sign: 17
// characters in all.
inline constexpr int MaxEntryDigits = 15;

struct CalcState {
    char EntryBuffer[EntryCapacity] = {};  // the number as typed; "0" when emptied
    std::int32_t EntryLength = 0;          // 0: no entry in progress
    int EntryHasPoint = 0;
    int EntryNegative = 0;
    // A "0" typed into the empty entry is not stored but still counts as the operand.
    bool EntryZeroTyped = false;
    std::int32_t PendingOperator = OpAdd;
    CalcValue Accumulator = 0;
    int ErrorLatched = 0;
    char ResultText[EntryCapacity] = {'0'};
    CalcValue MemoryValue1 = 0;
    CalcValue MemoryValue2 = 0;
    int Memory1InUse = 0;
    int Memory2InUse = 0;
};

// Process-wide, one thread.
extern CalcState State;

// Puts the engine, the memories and the display record back to their start values.
void ResetEngine();

}  // namespace abacone
