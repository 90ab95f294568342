#include <functional>

#include "fakes.h"
#include "functions/functions.h"

namespace abacone::testing {
namespace {

using BitwiseTest = FunctionsTest;

constexpr const char* Range = "範囲を違反しています";

TEST_F(BitwiseTest, CombinesTheShownResultAndReplacesTheCalculation) {
    struct Case {
        const char* Before;  // keys that make the result
        std::function<void()> Function;
        const char* Typed;
        const char* Shown;
    } cases[] = {
        {"12=", FunctionAnd, "10", "8"},
        {"12=", FunctionOr, "3", "15"},
        {"12=", FunctionXor, "5", "9"},
        {"12=", FunctionAnd, "3", "0"},
        {"1-2=", FunctionAnd, "255", "255"},
        {"0=", FunctionXor, "-268435455", "-268435455"},
        {"5-12=", FunctionAnd, "12", "8"},
        {"5-12=", FunctionOr, "-1", "-1"},
        {"5-12=", FunctionXor, "-1", "6"},
        // The display shows 105 though the accumulator holds a hair less.
        {"12.5*8.4=", FunctionAnd, "255", "105"},
        // Fractions are dropped toward zero, on both sides.
        {"1.9=", FunctionOr, "2.9", "3"},
        {"0-1.9=", FunctionAnd, "-2.9", "-2"},
        // A pending addition is discarded.
        {"6+", FunctionAnd, "3", "2"},
        // The limits themselves are allowed.
        {"268435455=", FunctionAnd, "268435455", "268435455"},
        {"0-268435455=", FunctionOr, "0", "-268435455"},
        // Nothing typed yet: the result is 0.
        {"", FunctionOr, "7", "7"},
    };
    for (const auto& c : cases) {
        ResetEngine();
        Keys(c.Before);
        dialog.Type(c.Typed);
        c.Function();
        EXPECT_EQ(Label1Text(), c.Shown) << c.Before << " with " << c.Typed;
        EXPECT_EQ(Display.Label2, "=") << c.Before << " with " << c.Typed;
        EXPECT_EQ(State.PendingOperator, OpDone);
        EXPECT_EQ(State.EntryLength, 0);
        EXPECT_EQ(State.Accumulator, ReadDecimal(c.Shown)) << c.Before << " with " << c.Typed;
    }
    EXPECT_TRUE(messages.Boxes().empty());
}

TEST_F(BitwiseTest, TitlesAndPrompts) {
    struct Case {
        std::function<void()> Function;
        const char* Title;
        const char* ErrorTitle;
    } cases[] = {{FunctionAnd, "And X", "And X Error"},
                 {FunctionOr, "Or X", "Or X Error"},
                 {FunctionXor, "Exor X", "Exor X Error"}};
    for (const auto& c : cases) {
        Fresh();
        dialog.Type("300000000");
        c.Function();
        ASSERT_EQ(dialog.Calls().size(), 1u);
        EXPECT_EQ(dialog.Calls()[0].Title, c.Title);
        EXPECT_EQ(dialog.Calls()[0].Prompt, "X を入力");
        ASSERT_EQ(messages.Boxes().size(), 1u);
        EXPECT_EQ(messages.Boxes()[0].Title, c.ErrorTitle);
        EXPECT_EQ(messages.Boxes()[0].Text, Range);
        EXPECT_EQ(messages.Boxes()[0].Icon, MessageIcon::Exclamation);
    }
}

TEST_F(BitwiseTest, OutOfRangeOperandsAreRefused) {
    struct Case {
        const char* Before;
        const char* Typed;
        std::size_t DialogsShown;  // the result is checked before the dialog
        // clang-format off
    } cases[] = {
        {"268435456=", "1", 0},
        {"0-268435456=", "1", 0},
        {"268435456-0.00000001=", "1", 0},  // shown as 268435456
        {"12=", "300000000", 1},
        {"12=", "-268435456", 1},
        {"12=", "4294967297", 1},
        {"12=", "1e5000", 1},
    };
    // clang-format on
    for (const auto& c : cases) {
        Fresh();
        Keys(c.Before);
        const std::string shown = Label1Text();
        const CalcValue accumulator = State.Accumulator;
        dialog.Type(c.Typed);
        FunctionAnd();
        EXPECT_EQ(dialog.Calls().size(), c.DialogsShown) << c.Before << " with " << c.Typed;
        ASSERT_EQ(messages.Boxes().size(), 1u) << c.Before << " with " << c.Typed;
        EXPECT_EQ(Label1Text(), shown);
        EXPECT_EQ(State.Accumulator, accumulator);
        EXPECT_EQ(State.PendingOperator, OpDone);
    }
}

TEST_F(BitwiseTest, CancelOrTypingChangesNothing) {
    Keys("12=");
    dialog.Cancel("3");
    FunctionAnd();
    EXPECT_EQ(Label1Text(), "12");
    EXPECT_EQ(State.Accumulator, 12);

    Keys("5");
    FunctionOr();
    EXPECT_EQ(dialog.Calls().size(), 1u);
    EXPECT_EQ(Entry(), "5");
    EXPECT_TRUE(messages.Boxes().empty());
}

TEST_F(BitwiseTest, MemoriesSurviveTheReset) {
    State.MemoryValue1 = 42;
    State.Memory1InUse = 1;
    Keys("12=");
    dialog.Type("10");
    FunctionXor();
    EXPECT_EQ(State.MemoryValue1, 42);
    EXPECT_EQ(State.Memory1InUse, 1);
}

}  // namespace
}  // namespace abacone::testing
