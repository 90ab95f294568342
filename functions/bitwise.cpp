// AND, OR and exclusive OR of the result and a typed operand. The answer replaces the
// whole calculation and is shown as a finished result.
#include <cmath>
#include <cstdint>

#include "engine/engine.h"
#include "functions/function_frame.h"
#include "functions/functions.h"

namespace abacone {
namespace {

using functions::AskOperand;
using functions::RangeMessage;
using functions::Refuse;

constexpr CalcValue BitRangeLimit = 268435455;  // 0FFFFFFF

bool InBitRange(CalcValue v) { return v >= -BitRangeLimit && v <= BitRangeLimit; }

// The integer part of the result as the display shows it: the accumulator carries
// digits the display never shows (12.5 x 8.4 shows 105 but holds a hair less).
CalcValue ShownIntegerPart() {
    const CalcValue acc = State.Accumulator;
    // Beyond the range the shown text would be cut short; the check refuses it anyway.
    if (!std::isfinite(acc) || std::fabs(acc) > 2 * BitRangeLimit) return acc;
    return truncl(ReadDecimal(FormatValue(acc)));
}

template <typename Op>
void RunBitwise(std::string_view title, std::string_view errorTitle, Op op) {
    const CalcValue a = ShownIntegerPart();
    // Checked before the dialog, so it speaks even when no dialog would be shown.
    if (!InBitRange(a)) {
        Refuse(errorTitle, RangeMessage);
        return;
    }
    const auto x = AskOperand(title, "X を入力", errorTitle);
    if (!x) return;
    const CalcValue b = truncl(*x);
    if (!InBitRange(b)) {
        Refuse(errorTitle, RangeMessage);
        return;
    }
    ClearAll();
    const auto r = static_cast<std::int32_t>(op(static_cast<std::uint32_t>(static_cast<std::int32_t>(a)),
                                                static_cast<std::uint32_t>(static_cast<std::int32_t>(b))));
    EnterValue(r);
    Equals();
}

}  // namespace

void FunctionAnd() {
    RunBitwise("And X", "And X Error", [](std::uint32_t a, std::uint32_t b) { return a & b; });
}

void FunctionOr() {
    RunBitwise("Or X", "Or X Error", [](std::uint32_t a, std::uint32_t b) { return a | b; });
}

void FunctionXor() {
    RunBitwise("Exor X", "Exor X Error", [](std::uint32_t a, std::uint32_t b) { return a ^ b; });
}

}  // namespace abacone
