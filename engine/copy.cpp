// Copies of the shown value to the clipboard, and the copy mark in the indicator.
#include "engine/copy.h"

#include <string>

#include "engine/engine.h"
#include "engine/engine_internal.h"
#include "platform/services/services.h"

namespace abacone {

void CopyToClipboard(std::string_view text) {
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    Clipboard().SetText(text);
    static constexpr char Marks[] = "+-x/";
    const int op = State.PendingOperator;
    const char mark = op >= OpAdd && op <= OpDivide ? Marks[op] : ' ';
    Display.Label2 = {mark, 'C'};
}

void KC1Click() {
    if (State.EntryLength != 0) {
        Clipboard().SetText(EntryText());  // as typed, without the mark
        return;
    }
    CopyToClipboard(ResultTextView());
}

void KH2Click() { CopyToClipboard("0x" + ShownHexText()); }

void KB1Click() {
    std::string bits = "0b";
    for (const char c : Label4Hint()) {
        if (c != ' ') bits += c;
    }
    CopyToClipboard(bits);
}

}  // namespace abacone
