// Operators, "=", and the keys that act on the finished result.
#include <cmath>

#include "engine/engine.h"
#include "engine/engine_internal.h"
#include "engine/value_text.h"

namespace abacone {
namespace {

constexpr CalcValue RangeLimit = 99999999999999.0L;
constexpr char OperatorCharacters[] = "+-x/m";

// The text length of the last result, kept so that the next sum need not format the
// accumulator again.
struct LengthMemo {
    bool Valid = false;
    CalcValue Value = 0;
    int Length = 0;
};
LengthMemo accumulatorLength;

}  // namespace

void ForgetAccumulatorLength() { accumulatorLength = {}; }

namespace {

int FormattedLength(CalcValue v) {
    if (v == 0) return 2;  // "+0": every calculation from a cleared calculator starts there
    if (accumulatorLength.Valid && accumulatorLength.Value == v) return accumulatorLength.Length;
    return FormatValueText(v).Length;
}

void ShowNewResult(CalcValue v) {
    State.Accumulator = v;
    const ValueText t = FormatValueText(v);
    ShowResult(t.View());
    SetResultText(t.View());
}

}  // namespace

bool OutOfRange(CalcValue v) { return v > RangeLimit || v < -RangeLimit; }

void ShowCalculated(CalcValue a, int op, CalcValue b, CalcValue r) {
    State.Accumulator = r;
    EmptyEntry();

    ValueText t = FormatValueText(r);
    accumulatorLength = {true, r, t.Length};
    if (op == OpAdd || op == OpSubtract) {
        // A sum far longer than both operands is a short decimal that binary missed.
        if (t.Length >= FormattedLength(a) + 5 && t.Length >= FormatValueText(b).Length + 5) {
            t = FormatValueRoundedUpText(r);
        }
    }
    ShowResult(t.View());
    SetResultText(t.View());
    State.PendingOperator = OpDone;
}

bool Calculate() {
    // The sign flag is cleared with the entry it describes: a failed calculation leaves
    // the entry, "-" and all, as it was.
    State.EntryZeroTyped = false;
    const CalcValue a = State.Accumulator;
    const CalcValue b = ReadDecimal({State.EntryBuffer, strnlen(State.EntryBuffer, EntryCapacity)});
    const int op = State.PendingOperator;
    CalcValue r = 0;
    bool computed = true;
    switch (op) {
    case OpSubtract: r = a - b; break;
    case OpMultiply: r = a * b; break;
    case OpDivide:
    case OpMod:
        if (b == 0) {
            RaiseError();
            computed = false;
        } else if (op == OpDivide) {
            r = a / b;
        } else {
            // At full precision this gives the decimal answers people expect
            // (5.5 Mod 0.1 = 0), where fmodl would not.
            const CalcValue m = std::fabs(b);
            r = a - m * std::trunc(a / m);
        }
        break;
    case OpAdd: r = a + b; break;
    default: r = b; break;  // nothing pending: the entry itself
    }
    if (computed && OutOfRange(r)) RaiseError();
    if (State.ErrorLatched) return false;
    ShowCalculated(a, op, b, r);
    return true;
}

void ApplyOperator(int code) {
    if (State.ErrorLatched || code < OpAdd || code > OpMod) return;
    SetIndicator(OperatorCharacters[code]);
    if (!OperandTyped()) {
        State.PendingOperator = code;
        return;
    }
    if (State.PendingOperator == OpDone) {
        State.PendingOperator = OpAdd;
        State.Accumulator = 0;
    }
    Calculate();
    State.PendingOperator = code;
    ShowResult(ResultTextView());
}

void Equals() {
    if (State.ErrorLatched) return;
    SetIndicator('=');
    if (State.PendingOperator == OpDone) {
        if (!OperandTyped()) return;
        State.PendingOperator = OpAdd;
        State.Accumulator = 0;
    }
    if (!Calculate()) SetResultText("Error");
    ShowResult(ResultTextView());
}

void NegateAnswer() {
    if (State.ErrorLatched || State.EntryLength != 0) return;
    ShowNewResult(State.Accumulator * -1);
}

void SquareRoot() {
    if (State.ErrorLatched) return;
    if (OperandTyped()) {
        Equals();
        if (State.ErrorLatched) return;
    }
    // Judged by what the display shows: a sum that shows 0 has no root to take.
    if (DisplayedValue(State.Accumulator) <= 0) return;
    ShowNewResult(std::sqrt(State.Accumulator));
}

void CutFraction() {
    if (State.ErrorLatched || State.EntryLength != 0) return;
    // The integer part of the value as shown: 12.5 x 8.4 shows 105 and stays 105.
    CalcValue v = std::trunc(DisplayedValue(State.Accumulator));
    if (v == 0) v = 0;  // no negative zero
    ShowNewResult(v);
}

}  // namespace abacone
