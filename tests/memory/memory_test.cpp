#include "memory/memory.h"

#include "tests/engine/keys.h"

namespace abacone::test {
namespace {

using MemoryTest = EngineTest;

struct StoreCase {
    const char* keys;  // pressed before "M1"
    const char* decimal;
    const char* hex;
    const char* hint;
    bool teal;
};

class Store_ : public MemoryTest, public ::testing::WithParamInterface<StoreCase> {};

TEST_P(Store_, ShowsTheBlock) {
    const StoreCase& c = GetParam();
    Press(c.keys);
    StoreMemory1();
    EXPECT_EQ(Display.Memory1, c.decimal);
    EXPECT_EQ(Display.Memory1h, c.hex);
    EXPECT_EQ(Display.Label5Hint, c.hint);
    EXPECT_EQ(Display.Panel4Teal, c.teal);
    EXPECT_EQ(State.Memory1InUse, c.teal ? 1 : 0);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Keys, Store_, ::testing::Values(
    StoreCase{"5", "0", "0", "", false},  // the number being typed is not stored
    StoreCase{"5=", "5", "5", "0101", true},
    StoreCase{"7+", "7", "7", "0111", true},
    StoreCase{"12.5=", "12.5", "C", "1100", true},
    StoreCase{"2.5S=", "-2.5", "FFFFFFFE", "1111 1111 1111 1111 1111 1111 1111 1110", true},
    StoreCase{"5=C", "0", "0", "0000", false},
    StoreCase{"CN", "0", "0", "0000", false},  // a negative zero counts as zero
    StoreCase{"1.1+2.2=", "3.299999999999999", "3", "0011", true},  // no round-up here
    StoreCase{"5/0=", "0", "0", "", false}));
// clang-format on

TEST_F(MemoryTest, EveryStoreSetsBothKeys) {
    Press("4=");
    StoreMemory2();
    EXPECT_TRUE(Display.Panel5Teal);
    Press("C");
    StoreMemory1();
    EXPECT_FALSE(Display.Panel4Teal);
    EXPECT_TRUE(Display.Panel5Teal);
    EXPECT_EQ(Display.Memory2, "4");
    Press("C");
    StoreMemory2();
    EXPECT_FALSE(Display.Panel5Teal);
}

TEST_F(MemoryTest, StoreKeepsAllBits) {
    Press("1/3=");
    StoreMemory1();
    EXPECT_EQ(State.MemoryValue1, 1.0L / 3);
}

struct RecallCase {
    CalcValue stored;   // in M1
    const char* after;  // keys pressed, then RM1, then the rest
    const char* rest;
    const char* display;
};

class Recall_ : public MemoryTest, public ::testing::WithParamInterface<RecallCase> {};

TEST_P(Recall_, TypesTheMemory) {
    const RecallCase& c = GetParam();
    State.MemoryValue1 = c.stored;
    Press(c.after);
    RecallMemory1();
    Press(c.rest);
    EXPECT_EQ(Label1Text(), c.display);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Keys, Recall_, ::testing::Values(
    RecallCase{5, "34", "", "34"},
    RecallCase{5, "2*", "=", "10"},
    RecallCase{5, "3+4=", "", "5"},
    RecallCase{5, "3+4=", "+1=", "6"},
    RecallCase{-2.5L, "", "", "-2.5"},
    RecallCase{-2.5L, "4+", "=", "1.5"},
    RecallCase{0, "7=", "", "0"},
    RecallCase{0, "7*", "+1=", "1"},
    RecallCase{1.0L / 3, "", "", "0.33333333333333"},
    RecallCase{5, "5/0=", "", "Error"}));
// clang-format on

TEST_F(MemoryTest, RecallOfZeroLeavesTheEntryEmpty) {
    RecallMemory2();
    EXPECT_EQ(State.EntryLength, 0);
    EXPECT_EQ(Label1Text(), "0");
}

TEST_F(MemoryTest, RefusedInTheErrorState) {
    Press("9=");
    StoreMemory1();
    Press("5/0=");
    clipboard.SetText("before");
    StoreMemory2();
    RecallMemory1();
    CopyMemory1Decimal();
    CopyMemory1Hex();
    CopyMemory1Binary();
    EXPECT_EQ(State.MemoryValue2, 0);
    EXPECT_EQ(Display.Memory2, "0");
    EXPECT_EQ(State.EntryLength, 0);
    EXPECT_EQ(Clip(), "before");
    EXPECT_EQ(Display.Label2, "E");
}

struct MemoryCopyCase {
    const char* keys;  // result to store in M2
    const char* decimal;
    const char* hex;
    const char* binary;
};

class MemoryCopy_ : public MemoryTest, public ::testing::WithParamInterface<MemoryCopyCase> {};

TEST_P(MemoryCopy_, ThreeNotations) {
    const MemoryCopyCase& c = GetParam();
    Press(c.keys);
    StoreMemory2();
    Press("C12");  // the copies work while a number is typed and ignore it
    CopyMemory2Decimal();
    EXPECT_EQ(Clip(), c.decimal);
    CopyMemory2Hex();
    EXPECT_EQ(Clip(), c.hex);
    CopyMemory2Binary();
    EXPECT_EQ(Clip(), c.binary);
    EXPECT_EQ(Display.Label2, "+C");
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Values, MemoryCopy_, ::testing::Values(
    MemoryCopyCase{"12.5=", "12.5", "0xC", "0b1100"},
    MemoryCopyCase{"2.5S=", "-2.5", "0xFFFFFFFE", "0b11111111111111111111111111111110"},
    MemoryCopyCase{"255=", "255", "0xFF", "0b11111111"},
    MemoryCopyCase{"C", "0", "0x0", "0b0000"}));
// clang-format on

TEST_F(MemoryTest, FirstMemoryCopiesItsOwnValue) {
    Press("6=");
    StoreMemory1();
    Press("9=");
    StoreMemory2();
    CopyMemory1Decimal();
    EXPECT_EQ(Clip(), "6");
    CopyMemory1Binary();
    EXPECT_EQ(Clip(), "0b0110");
    EXPECT_EQ(Display.Label2, " C");
}

}  // namespace
}  // namespace abacone::test
