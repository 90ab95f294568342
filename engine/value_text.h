// Heap-free forms of the value renderings, for the engine's hot paths (every operator
// key formats up to three values). The public FormatValue family wraps these.
#pragma once

#include <string_view>

#include "engine/calc_state.h"

namespace abacone {

struct ValueText {
    char Text[24] = {};
    int Length = 0;
    std::string_view View() const { return {Text, static_cast<std::size_t>(Length)}; }
};

ValueText FormatValueText(CalcValue v);
ValueText FormatValueRoundedUpText(CalcValue v);

// The value as the decimal display shows it, read back: fractions the display does not
// show are gone (105 rather than 104.99999999999999...).
CalcValue DisplayedValue(CalcValue v);

}  // namespace abacone
