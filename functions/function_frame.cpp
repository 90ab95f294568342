#include "functions/function_frame.h"

#include <cmath>

#include "engine/engine.h"
#include "functions/functions.h"
#include "platform/services/services.h"

namespace abacone::functions {
namespace {

// Any magnitude from here on has more integer digits than the entry takes, so the
// entry would receive only the leading digits: a different number.
constexpr CalcValue EntryLimit = 1e15L;

}  // namespace

void Refuse(std::string_view title, std::string_view text) { Messages().Show(title, text, MessageIcon::Exclamation); }

std::optional<CalcValue> AskOperand(std::string_view title, std::string_view prompt, std::string_view errorTitle) {
    const CalcValue x = AskValue(title, prompt);
    if (DialogTag() != 0) return std::nullopt;
    if (!std::isfinite(x)) {
        Refuse(errorTitle, RangeMessage);
        return std::nullopt;
    }
    return x;
}

void EnterResult(CalcValue result, std::string_view errorTitle) {
    if (!std::isfinite(result) || std::fabs(result) >= EntryLimit) {
        Refuse(errorTitle, RangeMessage);
        return;
    }
    EnterValue(result);
}

}  // namespace abacone::functions
