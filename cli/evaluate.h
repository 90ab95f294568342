// One calculation text through the engine, and the line that reports it.
#pragma once

#include <string>
#include <string_view>

namespace abacone::cli {

struct Columns {
    bool Hex = false;
    bool Bin = false;
};

// Evaluates text from a cleared calculator with the clear-first clipboard calculation
// and returns the decimal display line, "Error" in the error state, followed by the
// requested columns, tab-separated. The text should end in a line break (or another
// control character), as a clipboard text would.
std::string EvaluateLine(std::string_view text, Columns columns);

// The total of every line and tab-separated cell of text, as the calculator's sum of the
// clipboard gives it from a cleared calculator, reported as EvaluateLine reports.
std::string SumLines(std::string_view text, Columns columns);

}  // namespace abacone::cli
