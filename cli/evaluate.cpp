#include "cli/evaluate.h"

#include "engine/engine.h"

namespace abacone::cli {

namespace {

std::string ShownLine(Columns columns) {
    std::string line = State.ErrorLatched ? std::string("Error") : Label1Text();
    if (columns.Hex) {
        line += '\t';
        line += Label3Text();
    }
    if (columns.Bin) {
        line += '\t';
        line += Label4Hint();
    }
    return line;
}

}  // namespace

std::string EvaluateLine(std::string_view text, Columns columns) {
    // Each line stands alone: no error, memory or result carries over from the last.
    ResetEngine();
    CalculateText(text, 0);
    return ShownLine(columns);
}

std::string SumLines(std::string_view text, Columns columns) {
    ResetEngine();
    SumText(text);
    return ShownLine(columns);
}

}  // namespace abacone::cli
