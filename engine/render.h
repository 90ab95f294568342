// Values to text and text to the three displayed renderings.
#pragma once

#include <string>
#include <string_view>

#include "engine/calc_state.h"

namespace abacone {

struct BaseTexts {
    std::string DecimalText;  // the text without a leading "+"
    std::string HexText;      // integer part as unsigned 32-bit, "%X"
    std::string BinaryText;   // four digits per hex digit, groups split by one blank
};

// Signed decimal text of at most 18 characters ("+12.5", "-0.333333333333333").
std::string FormatValue(CalcValue v);
// As FormatValue, with the last kept digit raised where that restores the short decimal
// a sum was meant to be (1.1 + 2.2 shows 3.3).
std::string FormatValueRoundedUp(CalcValue v);
BaseTexts RenderBases(std::string_view s);
// Put a result / an entry on the main display.
void ShowResult(std::string_view s);
void ShowEntry(std::string_view s);

// Locale-free decimal reading: optional sign, digits, one point; stops at the first
// other character; nothing readable is 0. Correctly rounded to CalcValue.
CalcValue ReadDecimal(std::string_view s);

}  // namespace abacone
