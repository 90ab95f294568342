// The start-up reset reaches every process-wide value of every layer.
#include "shell/reset.h"

#include <gtest/gtest.h>

#include "engine/calc_state.h"
#include "engine/display.h"
#include "engine/engine.h"
#include "functions/functions.h"
#include "memory/memory.h"
#include "platform/services/services.h"
#include "shell/logic/shell_state.h"
#include "ui/geometry/open_flags.h"
#include "ui/hexpad/logic/hexpad_logic.h"

namespace abacone {
namespace {

struct Confirming final : ValueDialogService {
    Answer Ask(std::string_view, std::string_view) override { return {true, "2"}; }
};

// Changes every value a day of use changes, through the operations where there are some.
void UseEverything() {
    Confirming dialog;
    SetValueDialog(&dialog);
    FunctionPow();  // dialog outcome
    SetValueDialog(nullptr);
    for (const char c : std::string_view("12.5")) EnterDigit(c);
    ApplyOperator(OpMultiply);
    EnterDigit('3');
    StoreMemory1();
    StoreMemory2();
    Equals();
    ApplyOperator(OpDivide);
    EnterDigit('0');
    Equals();  // error latched
    BinaryWindowOpen = 1;
    BinaryWindowHeight = 40;
    HexPadOpen = 1;
    HexPadAddDigit('F');
    HiddenStart = 1;
    ActiveClientHeight = ExtendedClientHeight;
    ExtendedKeypad = 1;
}

TEST(ResetProcessState, PutsEveryLayerBackToItsStartValues) {
    ResetProcessState();
    const std::string shown = Label1Text(), hex = Label3Text(), memory1 = Display.Memory1;
    UseEverything();
    ASSERT_EQ(State.ErrorLatched, 1);
    ResetProcessState();

    EXPECT_EQ(State.EntryLength, 0);
    EXPECT_EQ(State.ErrorLatched, 0);
    EXPECT_EQ(State.PendingOperator, OpAdd);
    EXPECT_EQ(State.Accumulator, 0);
    EXPECT_EQ(State.MemoryValue1, 0);
    EXPECT_EQ(State.Memory1InUse, 0);
    EXPECT_EQ(State.Memory2InUse, 0);
    EXPECT_STREQ(State.ResultText, "0");
    EXPECT_EQ(Label1Text(), shown);
    EXPECT_EQ(Label3Text(), hex);
    EXPECT_EQ(Display.Label2, "+");
    EXPECT_EQ(Display.Memory1, memory1);
    EXPECT_FALSE(Display.Panel4Teal);
    EXPECT_EQ(DialogTag(), 1);
    EXPECT_EQ(BinaryWindowOpen, 0);
    EXPECT_EQ(BinaryWindowHeight, 0);
    EXPECT_EQ(HexPadOpen, 0);
    EXPECT_STREQ(HexDigits, "0");
    EXPECT_EQ(HexDigitCount, 0);
    EXPECT_EQ(HiddenStart, 0);
    EXPECT_EQ(ActiveClientHeight, CompactClientHeight);
    EXPECT_EQ(ExtendedKeypad, 0);

    // A sum after the reset is not taken from anything kept of the error.
    EnterDigit('7');
    ApplyOperator(OpAdd);
    EnterDigit('5');
    Equals();
    EXPECT_EQ(Label1Text(), "12");
}

}  // namespace
}  // namespace abacone
