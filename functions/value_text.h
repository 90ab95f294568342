// Reading the text typed into the value dialog as a number.
#pragma once

#include <string_view>

#include "engine/calc_state.h"

namespace abacone {

// Reads a decimal number the way the C library's strtold does, but independent of the
// locale and without the words INF and NAN: leading white space, an optional sign,
// digits with an optional point, an optional exponent; reading stops at the first
// character that does not fit. Text without a number reads as 0. A magnitude beyond
// the extended format reads as infinity (keeping the sign), one below it as zero.
CalcValue ReadValueText(std::string_view text);

}  // namespace abacone
