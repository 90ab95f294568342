#include "cli/evaluate.h"

#include "engine/engine.h"

namespace abacone::cli {

std::string EvaluateLine(std::string_view text, Columns columns) {
    // Each line stands alone: no error, memory or result carries over from the last.
    ResetEngine();
    CalculateText(text, 0);
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

}  // namespace abacone::cli
