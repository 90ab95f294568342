// What every function shares: asking for an operand, refusing with a message box and
// handing a result to the entry only when the entry can hold it faithfully.
#pragma once

#include <optional>
#include <string_view>

#include "engine/calc_state.h"

namespace abacone::functions {

inline constexpr std::string_view RangeMessage = "範囲を違反しています";

// The exclamation box titled after the function; the engine is not touched.
void Refuse(std::string_view title, std::string_view text);

// Asks through the value dialog. Nothing when the user cancelled or no dialog was
// shown. An operand beyond the extended format is refused with the range message.
std::optional<CalcValue> AskOperand(std::string_view title, std::string_view prompt, std::string_view errorTitle);

// Types the result into the entry, or refuses it with the range message when it is
// not a number, infinite, or too large for the 15-digit entry.
void EnterResult(CalcValue result, std::string_view errorTitle);

}  // namespace abacone::functions
