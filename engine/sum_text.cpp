// Adding up a copied column or table: each cell calculated on its own, then the results
// added as the calculator adds.
#include "engine/engine.h"
#include "engine/engine_internal.h"
#include "engine/wide_key.h"
#include "platform/services/services.h"

namespace abacone {
namespace {

bool EndsCell(char c) { return c == '\t' || c == '\n' || c == '\r'; }

// Headers and labels ("品名", "りんご") hold none and are left out of the sum.
bool HoldsDigit(std::string_view cell) {
    for (std::size_t i = 0; i < cell.size(); ++i) {
        const auto c = static_cast<unsigned char>(cell[i]);
        if (c >= '0' && c <= '9') return true;
        if (c >= 0x80) {
            const WideKey wide = ReadWideKey(cell, i);
            if (wide.Key >= '0' && wide.Key <= '9') return true;
            i += wide.Length - 1;
        }
    }
    return false;
}

// One wrong cell in a column is a reason to look, so the whole total is the error.
void ShowSumError(CalcValue totalSoFar) {
    if (!State.ErrorLatched) RaiseError();
    State.Accumulator = totalSoFar;
    EmptyEntry();  // the copy command then takes the shown "Error", not a cell's entry
    SetResultText("Error");
    ShowResult("Error");
}

}  // namespace

void SumText(std::string_view text) {
    if (State.ErrorLatched) return;
    CalcValue total = 0;
    // The last addition, whose operands decide how the total is shown (as "=" shows a sum).
    CalcValue before = 0, last = 0;
    bool counted = false;
    for (std::size_t start = 0; start <= text.size();) {
        std::size_t end = start;
        while (end < text.size() && !EndsCell(text[end])) ++end;
        const std::string_view cell = text.substr(start, end - start);
        start = end + 1;
        if (!HoldsDigit(cell)) continue;
        counted = true;
        CalculateText(cell, 0);
        if (State.ErrorLatched || OutOfRange(total + State.Accumulator)) return ShowSumError(total);
        before = total;
        last = State.Accumulator;
        total += last;
    }
    if (!counted) return;  // a text without a number changes nothing
    ShowCalculated(before, OpAdd, last, total);
    SetIndicator('=');
}

void SumFromClipboard() {
    if (State.ErrorLatched) return;
    // A copy of our own: a cell's "@" may replace the clipboard text midway.
    const std::optional<std::string> text = Clipboard().Text();
    if (!text) return;
    SumText(*text);
}

}  // namespace abacone
