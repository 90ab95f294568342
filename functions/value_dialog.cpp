#include "engine/calc_state.h"
#include "functions/functions.h"
#include "functions/value_text.h"
#include "platform/services/services.h"

namespace abacone {
namespace {

// The dialog's outcome: 0 only when its Enter button closed it, 1 otherwise.
int Tag = 1;

}  // namespace

CalcValue AskValue(std::string_view title, std::string_view prompt) {
    Tag = 1;
    // No operand is asked for over a number being typed or an error.
    if (State.EntryLength != 0 || State.ErrorLatched) return 0;
    const ValueDialogService::Answer answer = ValueDialog().Ask(title, prompt);
    if (answer.Confirmed) Tag = 0;
    return ReadValueText(answer.Text);
}

int DialogTag() { return Tag; }

void ResetFunctions() { Tag = 1; }

}  // namespace abacone
