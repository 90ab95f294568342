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

// clang-format off
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
    // Full-width digits are digits, never the commands their bytes once looked like.
    TextCase{"120\xEF\xBC\x95", "1205"},
    TextCase{"5=\xEF\xBC\x91", "1"},
    TextCase{"\xEF\xBC\x91\xEF\xBC\x92+3", "15"},
    TextCase{"\xFF\xFE""4\x80*2", "8"},
    TextCase{"", "0"}));
// clang-format on

// Japanese and typeset text: full-width and typographic characters read as their
// ASCII keys, every other non-ASCII character is skipped whole.
// clang-format off
INSTANTIATE_TEST_SUITE_P(Wide, Clipboard_, ::testing::Values(
    TextCase{"１２＋３０×２", "84"},
    TextCase{"80×40", "3200"},
    TextCase{"１，２３４円＋１", "1235"},
    TextCase{"100÷8", "12.5"},
    TextCase{"１０－３＊２／７＝", "2"},
    TextCase{"２．５＋．５", "3"},
    TextCase{"１０−４", "6"},
    TextCase{"１　２", "12"},           // the ideographic space
    TextCase{"Ｃ１０２４", "1024"},     // full-width letters are no commands
    TextCase{"２０４８ｒＴＰｃ", "2048"},
    TextCase{"７＼２", "72"},           // nor the full-width backslash the remainder
    TextCase{"￥1,200", "1200"},
    TextCase{"¥1,200", "1200"},
    TextCase{"1２3", "123"},
    TextCase{"3×２\n×2", "6"},         // the line break still ends it
    // Malformed UTF-8: bytes skipped one by one, the ASCII after them still read.
    TextCase{"\xC3" "7", "7"},          // lead byte without its continuation
    TextCase{"\xE2\x88" "9", "9"},
    TextCase{"\xC0\x97" "2", "2"},     // never a lead byte
    TextCase{"\xE0\x83\x97" "5", "5"}, // overlong ×
    TextCase{"\xED\xA0\x80" "4", "4"}, // a surrogate
    TextCase{"\xF4\x90\x80\x80" "6", "6"}, // beyond U+10FFFF
    TextCase{"\x97" "3\xBC\x91", "3"},  // stray continuation bytes
    TextCase{"\xF0\x9F\x98\x80" "8", "8"}));  // a well-formed emoji, skipped whole
// clang-format on

// Hexadecimal and binary numbers where a number begins, read as the 32-bit pattern the
// hexadecimal line shows; their letters are never commands.
// clang-format off
INSTANTIATE_TEST_SUITE_P(BaseNumbers, Clipboard_, ::testing::Values(
    TextCase{"0x4D2", "1234"},
    TextCase{"0xff+1", "256"},
    TextCase{"0X1f", "31"},
    TextCase{"0xFFFFFFFE", "-2"},
    TextCase{"0b1010*3", "30"},
    TextCase{"0B" + std::string(33, '1'), "-1"},  // the 33rd digit refused
    TextCase{"0xCAFE", "51966"},
    TextCase{"0x", "0"},
    TextCase{"0x123456789", "305419896"},  // 0x12345678
    TextCase{"5+0x10", "21"},
    TextCase{"10x20", "1020"},
    TextCase{"12 0x10", "12010"},  // a number is being typed: not where one begins
    TextCase{"FF", "0"}));
// clang-format on

// A character cut off at the very end: the bytes present are skipped, nothing beyond
// the text is read (the sanitizer build would catch a read past a heap copy's end).
TEST_F(EngineTest, CharacterCutOffAtTheEndOfTheText) {
    const std::string whole = "12×";
    for (std::size_t keep = whole.size() - 1; keep >= 2; --keep) {
        const std::string cut = whole.substr(0, keep);
        CalculateText(std::string_view(cut), 0);
        EXPECT_EQ(Label1Text(), "12") << keep;
    }
    for (const char* tail : {"\xEF", "\xEF\xBC", "\xF0\x9F\x98"}) {
        const std::string text = std::string("7+") + tail;
        CalculateText(std::string_view(text), 0);
        EXPECT_EQ(Label1Text(), "7") << text.size();
    }
}

TEST_F(EngineTest, LeadingMinusSignActsAsTheTypedMinus) {
    CalculateText("-5+3", 0);
    const std::string typed = Label1Text();
    CalculateText("−5＋3", 0);
    EXPECT_EQ(Label1Text(), typed);
    EXPECT_EQ(typed, "-2");
}

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

struct SumCase {
    std::string text;
    const char* display;
};

class Sum_ : public EngineTest, public ::testing::WithParamInterface<SumCase> {};

TEST_P(Sum_, TotalOfTheCells) {
    Press("77+3");  // each cell is calculated from a cleared calculator
    clipboard.SetText(GetParam().text);
    SumFromClipboard();
    EXPECT_EQ(Label1Text(), GetParam().display) << GetParam().text;
    EXPECT_EQ(Display.Label2, GetParam().display == std::string("Error") ? "E" : "=");
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Columns, Sum_, ::testing::Values(
    SumCase{"1,200\n3,400\n560\n", "5160"},
    SumCase{"品名\t金額\nりんご\t1,200\nみかん\t￥980\n", "2180"},
    SumCase{"1\r\n2\r\n3\r\n", "6"},
    SumCase{"1\r2\r3", "6"},
    SumCase{"1\t2\t-3\n4", "4"},
    SumCase{"0.1\n0.2\n", "0.3"},
    SumCase{"2*3\n4=\n", "10"},
    SumCase{"0xFF\n１\n", "256"},
    SumCase{"5\n1/0\n7\n", "Error"},
    SumCase{"99999999999999\n1\n", "Error"}));
// clang-format on

TEST_F(EngineTest, SumWithoutADigitChangesNothing) {
    for (const char* text : {"", "品名\t金額\n\r\n", "@p=C"}) {
        Press("C5+3");
        clipboard.SetText(text);
        SumFromClipboard();
        EXPECT_EQ(Entry(), "3") << text;
        EXPECT_EQ(Display.Label2, "+") << text;
        EXPECT_EQ(Clip(), text);
    }
    clipboard.Clear();
    SumFromClipboard();
    EXPECT_EQ(Entry(), "3");
}

TEST_F(EngineTest, TheTotalIsAResultToGoOnFrom) {
    SumText("1,200\n3,400\n");
    Press("+5=");
    EXPECT_EQ(Label1Text(), "4605");
    SumText("1/0");
    EXPECT_EQ(Label1Text(), "Error");
    SumText("1\n");  // refused in the error state
    EXPECT_EQ(Label1Text(), "Error");
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

// clang-format off
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
// clang-format on

// The first operator of a script meets the state as an operator key would.
// clang-format off
INSTANTIATE_TEST_SUITE_P(FirstOperator, Script_, ::testing::Values(
    ScriptCase{"5+3", KT1Click, "0.133333333333333"},
    ScriptCase{"5+", KT1Click, "0.083333333333333"},
    ScriptCase{"120=", KT1Click, "2"},
    ScriptCase{"9+3=7", KT1Click, "0.116666666666666"},
    ScriptCase{"5/0+", KT1Click, "5"}));
// clang-format on

TEST_F(EngineTest, ScriptSkipsCharactersOutsideItsAlphabet) {
    Press("1");
    RunKeyScript("*1,000 x");
    EXPECT_EQ(Label1Text(), "1000");
}

}  // namespace
}  // namespace abacone::test
