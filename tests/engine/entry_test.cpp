#include <limits>

#include "tests/engine/keys.h"

namespace abacone::test {
namespace {

struct EntryCase {
    const char* keys;
    const char* entry;    // EntryBuffer afterwards
    int length;           // EntryLength afterwards
    const char* display;  // decimal line
};

class Entry_ : public EngineTest, public ::testing::WithParamInterface<EntryCase> {};

TEST_P(Entry_, LeavesEntryAndDisplay) {
    const EntryCase& c = GetParam();
    Press(c.keys);
    EXPECT_EQ(Entry(), c.entry);
    EXPECT_EQ(State.EntryLength, c.length);
    EXPECT_EQ(Label1Text(), c.display);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Typing, Entry_, ::testing::Values(
    EntryCase{"1234567890123456", "123456789012345", 15, "123456789012345"},
    EntryCase{"12345678901234.56", "12345678901234.5", 16, "12345678901234.5"},
    EntryCase{"123456789012345.", "123456789012345", 15, "123456789012345"},
    EntryCase{"123456789012345S.", "-123456789012345", 16, "-123456789012345"},
    EntryCase{"12345678901234.5S6", "-12345678901234.5", 17, "-12345678901234.5"},
    EntryCase{".", "0.", 2, "0."},
    EntryCase{"1..2", "1.2", 3, "1.2"},
    EntryCase{"007", "7", 1, "7"},
    EntryCase{"0", "", 0, "0"},
    EntryCase{"12.50", "12.50", 5, "12.50"}));
// clang-format on

// clang-format off
INSTANTIATE_TEST_SUITE_P(Editing, Entry_, ::testing::Values(
    EntryCase{"1.5<", "1", 1, "1"},
    EntryCase{"1.<", "1", 1, "1"},
    EntryCase{"1.<.", "1.", 2, "1."},
    EntryCase{"5S<", "0", 1, "0"},
    EntryCase{"5S<3", "03", 2, "03"},
    EntryCase{"5S<<", "0", 0, "0"},
    EntryCase{"5SM", "-5", 2, "-5"},
    EntryCase{"5SS", "5", 1, "5"},
    EntryCase{"S", "", 0, "0"},
    EntryCase{"M", "", 0, "0"},
    EntryCase{"5.00S", "-5.00", 5, "-5"},  // shown as a result, kept as typed
    EntryCase{"12.5SF", "0", 0, "0"}));
// clang-format on

TEST_F(EngineTest, ZeroAfterSignDeletionReadsAsTheDigitsTyped) {
    Press("5S<3=");
    EXPECT_EQ(Label1Text(), "3");
}

TEST_F(EngineTest, DeletingTheWholeEntryDropsThePendingOperator) {
    Press("5+3<");
    EXPECT_EQ(Label1Text(), "5");
    EXPECT_EQ(Display.Label2, "=");
    EXPECT_EQ(State.PendingOperator, OpDone);
    Press("4=");
    EXPECT_EQ(Label1Text(), "4");
}

TEST_F(EngineTest, ClearEntryOnATypedNumberActsLikeDeletingIt) {
    Press("5*12.5SF");
    EXPECT_EQ(State.EntryNegative, 0);
    EXPECT_EQ(Label1Text(), "5");
    EXPECT_EQ(Display.Label2, "=");
}

TEST_F(EngineTest, OnlyClearErrorLeavesTheErrorState) {
    Press("5/0=");
    ASSERT_EQ(State.ErrorLatched, 1);
    Press("C7S<.F");
    EXPECT_EQ(State.ErrorLatched, 1);
    EXPECT_EQ(Label1Text(), "Error");
    Press("E");
    EXPECT_EQ(State.ErrorLatched, 0);
    EXPECT_EQ(Label1Text(), "5");
    EXPECT_EQ(Display.Label2, "+");
    EXPECT_EQ(State.PendingOperator, OpAdd);
}

TEST_F(EngineTest, ClearErrorKeepsTheAccumulatorAndDropsTheRest) {
    Press("5*3E4=");
    EXPECT_EQ(Label1Text(), "9");
}

TEST_F(EngineTest, ClearEntryInTheErrorStateKeepsSignAndText) {
    Press("4S");
    RaiseError();
    Press("F");
    EXPECT_EQ(Entry(), "-4");
    EXPECT_EQ(State.EntryNegative, 1);
}

struct ValueCase {
    CalcValue value;
    const char* entry;
    int length;
    const char* display;
};

class EnterValue_ : public EngineTest, public ::testing::WithParamInterface<ValueCase> {};

TEST_P(EnterValue_, TypesTheValue) {
    const ValueCase& c = GetParam();
    EnterValue(c.value);
    EXPECT_EQ(Entry(), c.entry);
    EXPECT_EQ(State.EntryLength, c.length);
    EXPECT_EQ(Label1Text(), c.display);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Values, EnterValue_, ::testing::Values(
    ValueCase{-2.5L, "-2.5", 4, "-2.5"},
    ValueCase{0.0L, "", 0, "0"},
    ValueCase{12345678901234567890.0L, "123456789012345", 15, "123456789012345"},
    ValueCase{1.23456789012345678e39L, "123456789012345", 15, "123456789012345"},
    ValueCase{1.2345e45L, "1.2345", 6, "1.2345"},
    ValueCase{-0.0000000000000002L, "", 0, "0"},
    ValueCase{1.0L / 3, "0.33333333333333", 16, "0.33333333333333"},
    ValueCase{std::numeric_limits<CalcValue>::infinity(), "", 0, "0"},
    ValueCase{std::numeric_limits<CalcValue>::max(), "", 0, "0"}));
// clang-format on

TEST_F(EngineTest, EnterValueIgnoredWhileTypingOrInError) {
    Press("7");
    EnterValue(3);
    EXPECT_EQ(Entry(), "7");
    Press("/0+");
    EnterValue(3);
    EXPECT_EQ(Entry(), "0");
    EXPECT_EQ(State.EntryLength, 0);
}

TEST_F(EngineTest, EnteredValueIsTheRightOperand) {
    Press("2*");
    EnterValue(-2.5L);
    Press("=");
    EXPECT_EQ(Label1Text(), "-5");
}

}  // namespace
}  // namespace abacone::test
