// A text read as a sequence of keys: the calculation from the clipboard.
#include "engine/copy.h"
#include "engine/engine.h"
#include "engine/engine_internal.h"
#include "engine/wide_key.h"
#include "platform/services/services.h"

namespace abacone {
namespace {

void DivideBy(std::string_view digits) {
    ApplyOperator(OpDivide);
    for (const char c : digits) EnterDigit(c);
    Equals();
}

void CopyShown() {
    if (State.EntryLength == 0) {
        CopyToClipboard(ResultTextView());
    } else {
        Clipboard().SetText(EntryText());  // the typed number as it stands, no mark
    }
}

}  // namespace

void CalculateText(std::string_view text, int continueFlag) {
    if (State.ErrorLatched) return;
    if (continueFlag == 0) ClearAll();
    for (std::size_t i = 0;; ++i) {
        if (State.ErrorLatched) return;
        // The end of the text ends it like a line break.
        auto c = static_cast<unsigned char>(i < text.size() ? text[i] : '\0');
        // UTF-8: a non-ASCII character is read whole, as the key it is written for
        // (full-width digits, ×, ÷, ...) or as a blank; none of its bytes acts alone.
        if (c >= 0x80) {
            const WideKey wide = ReadWideKey(text, i);
            i += wide.Length - 1;
            c = static_cast<unsigned char>(wide.Key);
        }
        if (c < 0x20) {
            Equals();
            return;
        }
        if (const auto op = OperatorForChar(static_cast<char>(c))) {
            ApplyOperator(*op);
            continue;
        }
        switch (c) {
        case '0': case '1': case '2': case '3': case '4':
        case '5': case '6': case '7': case '8': case '9':
        case '.': EnterDigit(static_cast<char>(c)); break;
        case '=': Equals(); break;
        case 'r': SquareRoot(); break;
        case 'p': ToggleEntrySign(); break;
        case 'm': MakeEntryNegative(); break;
        case 'c': CutFraction(); break;
        case 'P': NegateAnswer(); break;
        case 'C': DivideBy("1024"); break;
        case 'T': DivideBy("60"); break;
        case '@': CopyShown(); break;
        default: break;  // blanks, brackets, commas, other letters
        }
    }
}

void CalculateFromClipboard(int continueFlag) {
    if (State.ErrorLatched) return;
    // A copy of our own: the "@" command may replace the clipboard text midway.
    const std::optional<std::string> text = Clipboard().Text();
    if (!text) return;
    CalculateText(*text, continueFlag);
}

}  // namespace abacone
