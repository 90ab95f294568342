#include "tests/engine/keys.h"

namespace abacone::test {
namespace {

struct TextCase {
    std::string text;
    const char* display;
};

class Clipboard_ : public EngineTest, public ::testing::WithParamInterface<TextCase> {};

TEST_P(Clipboard_, ClearFirst) {
    Press("77+");  // whatever was on the calculator is cleared first
    clipboard.SetText(GetParam().text);
    CalculateFromClipboard(0);
    EXPECT_EQ(Label1Text(), GetParam().display);
}

using namespace std::string_literals;

INSTANTIATE_TEST_SUITE_P(Texts, Clipboard_, ::testing::Values(
    TextCase{"12+30*2\n", "84"},
    TextCase{"12+30*2", "84"},
    TextCase{"1,234+1\n", "1235"},
    TextCase{"(3+4)*2\n", "14"},
    TextCase{"100T", "1.666666666666666"},
    TextCase{"2048C", "2"},
    TextCase{"2r", "1.414213562373095"},
    TextCase{"7\\3", "1"},
    TextCase{"5p+1", "-4"},
    TextCase{"5pm+1", "-4"},
    TextCase{"5=P", "-5"},
    TextCase{"2.7=c", "2"},
    TextCase{"5/0=7+1", "Error"},
    TextCase{"5/0+7=", "5"},  // stops at once, without a final "="
    TextCase{"1+2\t+5", "3"},
    TextCase{"1+2\0+5"s, "3"},
    TextCase{"1 + 2 ~ {} 3", "24"},
    TextCase{"0.1*12345678901234567890=", "12345678901234.5"},
    // Non-ASCII characters are skipped whole: full-width 5 and 1 are no keys.
    TextCase{"120\xEF\xBC\x95", "120"},
    TextCase{"5=\xEF\xBC\x91", "5"},
    TextCase{"\xEF\xBC\x91\xEF\xBC\x92+3", "3"},
    TextCase{"\xFF\xFE""4\x80*2", "8"},
    TextCase{"", "0"}));

TEST_F(EngineTest, ContinueFlagKeepsTheCalculation) {
    Press("5=");
    clipboard.SetText("+1\n");
    CalculateFromClipboard(1);
    EXPECT_EQ(Label1Text(), "6");
    Press("C5=");
    CalculateFromClipboard(0);
    EXPECT_EQ(Label1Text(), "1");
}

TEST_F(EngineTest, NoClipboardTextDoesNothing) {
    Press("5+3");
    CalculateFromClipboard(0);
    EXPECT_EQ(Entry(), "3");
    EXPECT_EQ(Display.Label2, "+");
}

TEST_F(EngineTest, ClipboardCalculationRefusedInTheErrorState) {
    Press("5/0=");
    clipboard.SetText("1+1");
    CalculateFromClipboard(0);
    EXPECT_EQ(Label1Text(), "Error");
}

TEST_F(EngineTest, AtSignCopiesResultOrEntry) {
    clipboard.SetText("3*4=@+1");
    CalculateFromClipboard(0);
    EXPECT_EQ(Clip(), "12");
    EXPECT_EQ(Label1Text(), "13");

    CalculateText("3*12.5p@", 0);
    EXPECT_EQ(Clip(), "-12.5");
    EXPECT_EQ(Display.Label2, "=");
}

struct ScriptCase {
    const char* typed;
    void (*command)();
    const char* display;
};

class Script_ : public EngineTest, public ::testing::WithParamInterface<ScriptCase> {};

TEST_P(Script_, Command) {
    Press(GetParam().typed);
    GetParam().command();
    EXPECT_EQ(Label1Text(), GetParam().display) << GetParam().typed;
}

INSTANTIATE_TEST_SUITE_P(Menu, Script_, ::testing::Values(
    ScriptCase{"120", KT1Click, "2"},
    ScriptCase{"2048", K12Click, "2"},
    ScriptCase{"100", Kmminch11Click, "3.937007874015748"},
    ScriptCase{"10", Kcminch21Click, "3.937007874015748"},
    ScriptCase{"10", Kinch1Click, "25.39999999999999"},
    ScriptCase{"10", Kinchmm31Click, "254"},
    ScriptCase{"24", Kinchfeet1Click, "2"},
    ScriptCase{"2", Kfeetinch61Click, "24"},
    ScriptCase{"640", K431Click, "480"},
    ScriptCase{"480", K432Click, "640"},
    ScriptCase{"2.5", KR3Click, "3"},
    ScriptCase{"2.4", KR3Click, "2"},
    ScriptCase{"2.5S", KR3Click, "-2"},
    ScriptCase{"2.6S", KR3Click, "-2"},
    ScriptCase{"13", K81Click, "16"},
    ScriptCase{"12", K81Click, "16"},
    ScriptCase{"11", K81Click, "8"},
    ScriptCase{"3", K81Click, "0"}));

// The first operator of a script meets the state as an operator key would.
INSTANTIATE_TEST_SUITE_P(FirstOperator, Script_, ::testing::Values(
    ScriptCase{"5+3", KT1Click, "0.133333333333333"},
    ScriptCase{"5+", KT1Click, "0.083333333333333"},
    ScriptCase{"120=", KT1Click, "2"},
    ScriptCase{"9+3=7", KT1Click, "0.116666666666666"},
    ScriptCase{"5/0+", KT1Click, "5"}));

TEST_F(EngineTest, ScriptSkipsCharactersOutsideItsAlphabet) {
    Press("1");
    RunKeyScript("*1,000 x");
    EXPECT_EQ(Label1Text(), "1000");
}

}  // namespace
}  // namespace abacone::test
