#include <functional>
#include <string>
#include <vector>

#include "fakes.h"
#include "functions/functions.h"

namespace abacone::testing {
namespace {

using ScientificTest = FunctionsTest;

constexpr const char* Angle = "X を入力(単位:度)";
constexpr const char* Range = "範囲を違反しています";
constexpr const char* TanUndefined = "その角度に、tan X は\n存在しません";
constexpr const char* ZeroRefused = "0 は使えません";

struct Entered {
    const char* Name;
    std::function<void()> Function;
    std::vector<std::string> Typed;
    const char* Entry;  // "" when nothing is stored
};

TEST_F(ScientificTest, ResultsAreTypedIntoTheEntry) {
    const Entered cases[] = {
        {"pi", FunctionPi, {}, "3.14159265358979"},
        {"sin 30", FunctionSin, {"30"}, "0.5"},
        {"sin 45", FunctionSin, {"45"}, "0.70710678118654"},
        {"sin -0", FunctionSin, {"-0"}, ""},
        {"sin tiny", FunctionSin, {"1e-300"}, ""},
        {"cos 90", FunctionCos, {"90"}, ""},
        {"cos 0", FunctionCos, {"0"}, "1"},
        {"tan 45", FunctionTan, {"45"}, "1"},
        {"tan 225", FunctionTan, {"225"}, "1"},
        {"log 1000", FunctionLog, {"1000"}, "3"},
        {"log 0.01", FunctionLog, {"0.01"}, "-2"},
        {"ln 100", FunctionLn, {"100"}, "4.60517018598809"},
        {"ln 1", FunctionLn, {"1"}, ""},
        {"2^10", FunctionPow, {"2", "10"}, "1024"},
        {"2^0.5", FunctionPow, {"2", "0.5"}, "1.41421356237309"},
        {"2^-1", FunctionPow, {"2", "-1"}, "0.5"},
        {"-2^3", FunctionPow, {"-2", "3"}, "-8"},
        {"10^14", FunctionPow, {"10", "14"}, "100000000000000"},
        {"largest entry", FunctionPow, {"999999999999999", "1"}, "999999999999999"},
        {"underflow enters 0", FunctionPow, {"2", "-20000"}, ""},
    };
    for (const auto& c : cases) {
        Fresh();
        for (const auto& t : c.Typed) dialog.Type(t);
        c.Function();
        EXPECT_EQ(Entry(), c.Entry) << c.Name;
        EXPECT_EQ(Label1Text(), *c.Entry ? c.Entry : "0") << c.Name;
        EXPECT_TRUE(messages.Boxes().empty()) << c.Name;
    }
}

TEST_F(ScientificTest, DialogTitlesAndPrompts) {
    struct Case {
        std::function<void()> Function;
        std::vector<FakeDialog::Call> Calls;
        // clang-format off
    } cases[] = {
        {FunctionSin, {{"sin X", Angle}}},
        {FunctionCos, {{"cos X", Angle}}},
        {FunctionTan, {{"tan X", Angle}}},
        {FunctionLog, {{"log X", "X を入力"}}},
        {FunctionLn, {{"ln X", "X を入力"}}},
        {FunctionPow, {{"X の Y 乗", "X を入力"}, {"X の Y 乗", "Y を入力"}}},
    };
    // clang-format on
    for (const auto& c : cases) {
        Fresh();
        dialog.Type("2");
        dialog.Type("2");
        c.Function();
        ASSERT_EQ(dialog.Calls().size(), c.Calls.size()) << c.Calls[0].Title;
        for (std::size_t i = 0; i < c.Calls.size(); ++i) {
            EXPECT_EQ(dialog.Calls()[i].Title, c.Calls[i].Title);
            EXPECT_EQ(dialog.Calls()[i].Prompt, c.Calls[i].Prompt);
        }
    }
}

struct Refusal {
    const char* Name;
    std::function<void()> Function;
    std::vector<std::string> Typed;
    const char* Title;
    const char* Text;
    std::size_t DialogsShown;
};

// Refused arguments and results: one box, and the calculation 7 + is left as it was.
TEST_F(ScientificTest, RefusalsShowOneBoxAndTouchNothing) {
    const Refusal cases[] = {
        {"tan 90", FunctionTan, {"90"}, "tan X Error", TanUndefined, 1},
        {"tan 270", FunctionTan, {"270"}, "tan X Error", TanUndefined, 1},
        {"tan -90", FunctionTan, {"-90"}, "tan X Error", TanUndefined, 1},
        {"tan -270", FunctionTan, {"-270"}, "tan X Error", TanUndefined, 1},
        {"tan 450", FunctionTan, {"450"}, "tan X Error", TanUndefined, 1},
        {"tan -450", FunctionTan, {"-450"}, "tan X Error", TanUndefined, 1},
        {"tan 630", FunctionTan, {"630"}, "tan X Error", TanUndefined, 1},
        {"tan near 90", FunctionTan, {"89.9999999999999999"}, "tan X Error", Range, 1},
        {"log 0", FunctionLog, {"0"}, "log X Error", Range, 1},
        {"log -5", FunctionLog, {"-5"}, "log X Error", Range, 1},
        {"ln 0", FunctionLn, {"0"}, "ln X Error", Range, 1},
        {"ln -0", FunctionLn, {"-0"}, "ln X Error", Range, 1},
        {"0^y asks no Y", FunctionPow, {"0", "2"}, "pow Error", ZeroRefused, 1},
        {"x^0", FunctionPow, {"2", "0"}, "pow Error", ZeroRefused, 2},
        {"2^60", FunctionPow, {"2", "60"}, "pow Error", Range, 2},
        {"10^50", FunctionPow, {"10", "50"}, "pow Error", Range, 2},
        {"10^15", FunctionPow, {"10", "15"}, "pow Error", Range, 2},
        {"-10^15", FunctionPow, {"-10", "15"}, "pow Error", Range, 2},
        {"negative ^ fraction", FunctionPow, {"-8", "0.5"}, "pow Error", Range, 2},
        {"0.5^-100000", FunctionPow, {"0.5", "-100000"}, "pow Error", Range, 2},
        {"overflowing x", FunctionPow, {"1e5000", "2"}, "pow Error", Range, 1},
        {"overflowing y", FunctionPow, {"0.5", "1e5000"}, "pow Error", Range, 2},
        {"sin overflow", FunctionSin, {"1e5000"}, "sin X Error", Range, 1},
        {"cos overflow", FunctionCos, {"-1e5000"}, "cos X Error", Range, 1},
        {"tan overflow", FunctionTan, {"1e5000"}, "tan X Error", Range, 1},
        {"log overflow", FunctionLog, {"1e5000"}, "log X Error", Range, 1},
        {"ln overflow", FunctionLn, {"1e5000"}, "ln X Error", Range, 1},
    };
    for (const auto& c : cases) {
        Fresh();
        Keys("7+");
        for (const auto& t : c.Typed) dialog.Type(t);
        c.Function();
        EXPECT_EQ(dialog.Calls().size(), c.DialogsShown) << c.Name;
        ASSERT_EQ(messages.Boxes().size(), 1u) << c.Name;
        EXPECT_EQ(messages.Boxes()[0].Title, c.Title) << c.Name;
        EXPECT_EQ(messages.Boxes()[0].Text, c.Text) << c.Name;
        EXPECT_EQ(messages.Boxes()[0].Icon, MessageIcon::Exclamation) << c.Name;
        EXPECT_EQ(State.EntryLength, 0) << c.Name;
        EXPECT_EQ(State.Accumulator, 7) << c.Name;
        EXPECT_EQ(State.PendingOperator, OpAdd) << c.Name;
        EXPECT_EQ(State.ErrorLatched, 0) << c.Name;
        EXPECT_EQ(Label1Text(), "7") << c.Name;
    }
}

TEST_F(ScientificTest, AngleCasesComputedNotRefused) {
    struct Case {
        const char* Angle;
        long double Expected;
    } cases[] = {{"180", 0}, {"-135", 1}, {"405", 1}, {"360", 0}, {"-45", -1}};
    for (const auto& c : cases) {
        ResetEngine();
        dialog.Type(c.Angle);
        FunctionTan();
        EXPECT_NEAR(static_cast<double>(ReadDecimal(Label1Text())), static_cast<double>(c.Expected), 1e-13) << c.Angle;
    }
    EXPECT_TRUE(messages.Boxes().empty());
}

TEST_F(ScientificTest, ResultIsTheOperandOfThePendingOperator) {
    Keys("2*");
    dialog.Type("30");
    FunctionSin();
    Keys("=");
    EXPECT_EQ(Label1Text(), "1");
    EXPECT_EQ(Display.Label2, "=");
}

TEST_F(ScientificTest, NothingHappensWithoutAConfirmedOperand) {
    const std::function<void()> all[] = {FunctionSin, FunctionCos, FunctionTan, FunctionLog, FunctionLn, FunctionPow};
    for (const auto& function : all) {
        // Cancelled, whatever the box held.
        ResetEngine();
        Keys("7+");
        dialog.Cancel("90");
        function();
        EXPECT_EQ(State.EntryLength, 0);
        EXPECT_EQ(Label1Text(), "7");

        // While a number is being typed: no dialog at all.
        ResetEngine();
        Keys("25");
        const std::size_t shown = dialog.Calls().size();
        function();
        EXPECT_EQ(dialog.Calls().size(), shown);
        EXPECT_EQ(Entry(), "25");
    }
    // A power cancelled at its second prompt.
    ResetEngine();
    dialog.Type("2");
    dialog.Cancel("3");
    FunctionPow();
    EXPECT_EQ(State.EntryLength, 0);
    EXPECT_TRUE(messages.Boxes().empty());

    // Pi over a typed number does nothing either.
    ResetEngine();
    Keys("25");
    FunctionPi();
    EXPECT_EQ(Entry(), "25");
}

TEST_F(ScientificTest, AfterEqualsTheDialogOpensAgain) {
    Keys("25=");
    dialog.Type("30");
    FunctionSin();
    EXPECT_EQ(dialog.Calls().size(), 1u);
    EXPECT_EQ(Entry(), "0.5");
}

}  // namespace
}  // namespace abacone::testing
