#include "tests/engine/keys.h"

namespace abacone::test {
namespace {

struct KeysCase {
    const char* keys;
    const char* display;    // decimal line afterwards
    const char* indicator;  // operator indicator afterwards
};

class Keys_ : public EngineTest, public ::testing::WithParamInterface<KeysCase> {};

TEST_P(Keys_, Show) {
    const KeysCase& c = GetParam();
    Press(c.keys);
    EXPECT_EQ(Label1Text(), c.display) << c.keys;
    EXPECT_EQ(Display.Label2, c.indicator) << c.keys;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(LeftToRight, Keys_, ::testing::Values(
    KeysCase{"2+3*4=", "20", "="},
    KeysCase{"2+3*4", "4", "x"},
    KeysCase{"2+3*", "5", "x"},
    KeysCase{"2+-", "2", "-"},
    KeysCase{"1/3=", "0.333333333333333", "="},
    KeysCase{"2/3=", "0.666666666666666", "="},
    KeysCase{"1/7=", "0.142857142857142", "="},
    KeysCase{"100/7=", "14.28571428571428", "="},
    KeysCase{"1234567*1234567=", "1524155677489", "="},
    KeysCase{"10+0.5=", "10.5", "="},
    KeysCase{"50*2=", "100", "="}));
// clang-format on

// clang-format off
INSTANTIATE_TEST_SUITE_P(ShortDecimals, Keys_, ::testing::Values(
    KeysCase{"1.1+2.2=", "3.3", "="},
    KeysCase{"1.23*3=", "3.689999999999999", "="},
    KeysCase{"0.1+0.2=", "0.3", "="},
    KeysCase{"0.3-0.1=", "0.2", "="},
    KeysCase{"2.3=", "2.299999999999999", "="},
    KeysCase{"1000000+0.1234=", "1000000.1234", "="},
    KeysCase{"523271-7.6936=", "523263.3064", "="},
    KeysCase{"1000000000+0.999999=", "1000000000.999999", "="},
    KeysCase{"1000000000+0.123456=", "1000000000.123456", "="}));
// clang-format on

// clang-format off
INSTANTIATE_TEST_SUITE_P(Range, Keys_, ::testing::Values(
    KeysCase{"99999999999998+1=", "99999999999999", "="},
    KeysCase{"99999999999999+1=", "Error", "E"},
    KeysCase{"99999999999999+1+", "99999999999999", "E"},
    KeysCase{"99999999999999S-1=", "Error", "E"},
    KeysCase{"999999999999999=", "Error", "E"},
    KeysCase{"0.05*999999999999999=", "49999999999999.95", "="},
    KeysCase{"5/0.0=", "Error", "E"},
    KeysCase{"5%0.0=", "Error", "E"},
    KeysCase{"5/=", "Error", "E"},
    KeysCase{"5%=", "Error", "E"},
    KeysCase{"5+=", "5", "="},
    KeysCase{"5*=", "0", "="}));
// clang-format on

// clang-format off
INSTANTIATE_TEST_SUITE_P(Remainder, Keys_, ::testing::Values(
    KeysCase{"7%3=", "1", "="},
    KeysCase{"7S%3=", "-1", "="},
    KeysCase{"7%3S=", "1", "="},
    KeysCase{"7.5%2=", "1.5", "="},
    KeysCase{"10000000000%3=", "1", "="},
    KeysCase{"5.5%0.1=", "0", "="},
    KeysCase{"99999999999999%0.3=", "0", "="},
    KeysCase{"50027573559331%1.2=", "1", "="}));
// clang-format on

// clang-format off
INSTANTIATE_TEST_SUITE_P(Repeats, Keys_, ::testing::Values(
    KeysCase{"5+3=", "8", "="},
    KeysCase{"5+3==", "8", "="},
    KeysCase{"5+3=*2=", "16", "="},
    KeysCase{"5+3=2=", "2", "="},
    KeysCase{"5+3=2+1=", "3", "="}));
// clang-format on

// clang-format off
INSTANTIATE_TEST_SUITE_P(OnTheResult, Keys_, ::testing::Values(
    KeysCase{"5+3=N", "-8", "="},
    KeysCase{"5+3N", "3", "+"},
    KeysCase{"5+N3=", "-2", "="},
    KeysCase{"CN", "0", "+"},
    KeysCase{"2.5=K", "2", "="},
    KeysCase{"2.5S=K", "-2", "="},
    KeysCase{"0.2S=K", "0", "="},
    KeysCase{"3000000000.5=K", "3000000000", "="},
    KeysCase{"2.5K", "2.5", "+"},
    KeysCase{"16R", "4", "="},
    KeysCase{"16S=R", "-16", "="},
    KeysCase{"9+7R", "4", "="},
    KeysCase{"5/0.0R", "Error", "E"},
    KeysCase{"5/0.0RE", "5", "+"}));
// clang-format on

// A typed zero is an operand although it is not stored.
// clang-format off
INSTANTIATE_TEST_SUITE_P(TypedZero, Keys_, ::testing::Values(
    KeysCase{"5*0+3=", "3", "="},
    KeysCase{"7/0+", "7", "E"},
    KeysCase{"5+3=0+2=", "2", "="},
    KeysCase{"5+3=0=", "0", "="},
    KeysCase{"9*0R", "0", "="},
    KeysCase{"5*0<+3=", "8", "="}));
// clang-format on

// Cut and root act on the value as shown, not on digits the display never shows.
// clang-format off
INSTANTIATE_TEST_SUITE_P(AsShown, Keys_, ::testing::Values(
    KeysCase{"12.5*8.4=", "105", "="},
    KeysCase{"12.5*8.4=K", "105", "="},
    KeysCase{"1.05-0.05=K", "1", "="},
    KeysCase{"1.1+2.2-3.3=", "0", "="},
    KeysCase{"1.1+2.2-3.3=R", "0", "="}));
// clang-format on

TEST_F(EngineTest, ResultsAreRecordedWithTheirSign) {
    Press("7S=");
    EXPECT_STREQ(State.ResultText, "-7");
    Press("C1.1+2.2=");
    EXPECT_STREQ(State.ResultText, "+3.3");
    Press("/0=");
    EXPECT_STREQ(State.ResultText, "Error");
}

TEST_F(EngineTest, FailedCalculationChangesNothingElse) {
    Press("8*2+5/0+");
    EXPECT_EQ(State.Accumulator, 21);
    EXPECT_STREQ(State.ResultText, "+21");
    EXPECT_EQ(State.PendingOperator, OpAdd);
    Press("E4=");
    EXPECT_EQ(Label1Text(), "25");
}

TEST_F(EngineTest, RoundingAfterAHalfDisplayedResult) {
    Press("0.9/0.6=");
    EXPECT_EQ(Label1Text(), "1.5");
    KR3Click();
    EXPECT_EQ(Label1Text(), "2");
}

TEST_F(EngineTest, RootOfAPendingTypedZeroIsTakenAfterEquals) {
    Press("16+0R");
    EXPECT_EQ(Label1Text(), "4");
    EXPECT_FALSE(State.EntryZeroTyped);
}

TEST_F(EngineTest, ClearAllStartsOver) {
    Press("5+3*");
    Press("C");
    EXPECT_EQ(State.Accumulator, 0);
    EXPECT_EQ(State.PendingOperator, OpAdd);
    EXPECT_STREQ(State.ResultText, "0");
    EXPECT_EQ(Label1Text(), "0");
    EXPECT_EQ(Display.Label2, "+");
}

}  // namespace
}  // namespace abacone::test
