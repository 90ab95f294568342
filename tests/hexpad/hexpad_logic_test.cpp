#include "ui/hexpad/logic/hexpad_logic.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/engine.h"
#include "platform/services/services.h"

namespace abacone {
namespace {

int closes = 0;
void CountClose() { ++closes; }

class HexPadLogic : public ::testing::Test {
protected:
    void SetUp() override {
        ResetEngine();
        HexPadReset();
        HexPadOpen = 1;
        closes = 0;
        HexPadCloser = &CountClose;
        SetClipboard(&clipboard);
    }
    void TearDown() override {
        HexPadCloser = nullptr;
        SetClipboard(nullptr);
    }
    static void Type(const std::string& keys) {
        for (char c : keys) HexPadAddDigit(c == '<' ? 8 : c);
    }
    MemoryClipboard clipboard;
};

TEST_F(HexPadLogic, DigitsAndDeletion) {
    struct Case {
        const char* keys;  // '<' deletes
        const char* shown;
        int count;
    } cases[] = {
        {"", "0", 0},
        {"FFFFFFFF", "FFFFFFFF", 8},
        {"123456789", "12345678", 8},  // the ninth is ignored
        {"0A", "0A", 2},               // leading zeros count
        {"<", "0", 0},
        {"<<7", "7", 1},
        {"7<", "0", 0},
        {"AB<C", "AC", 2},
        {"12345678<9", "12345679", 8},
        {"G:@a/1", "1", 1},  // only the sixteen digits enter
    };
    for (const auto& c : cases) {
        HexPadReset();
        Type(c.keys);
        EXPECT_EQ(HexPadLabel1, c.shown) << c.keys;
        EXPECT_STREQ(HexDigits, c.shown) << c.keys;
        EXPECT_EQ(HexDigitCount, c.count) << c.keys;
    }
}

TEST_F(HexPadLogic, EnterTypesTheValueIntoTheEngineAndCloses) {
    struct Case {
        const char* keys;
        const char* decimal;  // what is typed into the engine, blanks and all
        const char* shown;
        int entryLength;
    } cases[] = {
        {"FFFFFFFF", " 4294967295", "4294967295", 10},
        {"80000000", " 2147483648", "2147483648", 10},
        {"1F", "         31", "31", 2},
        {"", "          0", "0", 0},      // nothing typed leaves the entry empty
        {"0000", "          0", "0", 0},  // so do zeros
    };
    for (const auto& c : cases) {
        ResetEngine();
        HexPadReset();
        HexPadOpen = 1;
        closes = 0;
        Type(c.keys);
        EXPECT_EQ(HexPadDecimalText(), c.decimal) << c.keys;
        HexPadEnter();
        EXPECT_EQ(Label1Text(), c.shown) << c.keys;
        EXPECT_EQ(State.EntryLength, c.entryLength) << c.keys;
        EXPECT_EQ(HexPadOpen, 0);
        EXPECT_EQ(closes, 1);
    }
}

TEST_F(HexPadLogic, CopyGoesThroughTheMarkedCopy) {
    Type("1F");
    HexPadCopy();
    EXPECT_EQ(clipboard.Text(), "0x1F");
    EXPECT_EQ(Display.Label2, "+C");
    HexPadReset();
    HexPadCopy();
    EXPECT_EQ(clipboard.Text(), "0x0");
    EXPECT_EQ(HexPadOpen, 1);  // copying keeps the pad open
}

TEST_F(HexPadLogic, VirtualKeys) {
    struct Case {
        int vk;
        char digit;
        // clang-format off
    } cases[] = {
        {45, 'A'}, {112, 'A'}, {118, 'A'}, {36, 'B'}, {113, 'B'}, {119, 'B'},
        {33, 'C'}, {114, 'C'}, {120, 'C'}, {46, 'D'}, {115, 'D'}, {121, 'D'},
        {35, 'E'}, {116, 'E'}, {122, 'E'}, {34, 'F'}, {117, 'F'}, {123, 'F'},
        {65, 0},   {8, 0},     {124, 0},   {38, 0},   {39, 0},   {40, 0},
    };
    // clang-format on
    for (const auto& c : cases) {
        HexPadReset();
        HexPadKeyDown(c.vk);
        EXPECT_EQ(HexPadLabel1, c.digit ? std::string(1, c.digit) : "0") << c.vk;
    }
    Type("12");
    HexPadKeyDown(37);  // Left deletes
    EXPECT_EQ(HexPadLabel1, "1");
    EXPECT_EQ(closes, 0);
}

TEST_F(HexPadLogic, TypedCharacters) {
    struct Case {
        const char* chars;
        const char* shown;
        // clang-format off
    } cases[] = {
        {"a", "A"},        {"A", "A"},   {"/*-+.", "ABCDE"}, {" ,", "FF"},
        {"09bcdef", "09BCDEF"}, {"gzZ=\\!", "0"}, {"12\b", "1"}, {"\b", "0"},
        {"{", "0"},        {"\r", "0"},  // Enter acts through its key code only
    };
    for (const auto& c : cases) {
        HexPadReset();
        for (const char* p = c.chars; *p; ++p) HexPadKeyPress(static_cast<unsigned char>(*p));
        EXPECT_EQ(HexPadLabel1, c.shown) << c.chars;
    }
    HexPadReset();
    HexPadKeyPress(0x3042);  // a character outside ASCII
    EXPECT_EQ(HexPadLabel1, "0");
    EXPECT_EQ(closes, 0);
}
// clang-format on

}  // namespace
}  // namespace abacone
