#include "engine/copy.h"

#include <cstdint>
#include <random>
#include <vector>

#include "memory/memory.h"
#include "tests/engine/keys.h"

namespace abacone::test {
namespace {

using CopyTest = EngineTest;

struct CopyCase {
    const char* keys;
    void (*command)();
    std::string copied;
    const char* indicator;
};

class Copy_ : public CopyTest, public ::testing::WithParamInterface<CopyCase> {};

TEST_P(Copy_, CopiesAndMarks) {
    const CopyCase& c = GetParam();
    Press(c.keys);
    c.command();
    EXPECT_EQ(Clip(), c.copied) << c.keys;
    EXPECT_EQ(Display.Label2, c.indicator) << c.keys;
}

const std::string Ones32(32, '1');

// clang-format off
INSTANTIATE_TEST_SUITE_P(Decimal, Copy_, ::testing::Values(
    CopyCase{"12.5", KC1Click, "12.5", "+"},
    CopyCase{"7*12.5S", KC1Click, "-12.5", "x"},
    CopyCase{".", KC1Click, "0.", "+"},
    CopyCase{"3*4=", KC1Click, "12", " C"},
    CopyCase{"3*", KC1Click, "3", "xC"},
    CopyCase{"7S=", KC1Click, "-7", " C"},
    CopyCase{"C", KC1Click, "0", "+C"},
    CopyCase{"5+0", KC1Click, "5", "+C"},
    CopyCase{"8-2", KC1Click, "2", "-"},
    CopyCase{"8-", KC1Click, "8", "-C"},
    CopyCase{"8/", KC1Click, "8", "/C"},
    CopyCase{"8%", KC1Click, "8", " C"},
    CopyCase{"5/0=", KC1Click, "Error", "/C"},
    CopyCase{"1.1+2.2=", KC1Click, "3.3", " C"}));
// clang-format on

// clang-format off
INSTANTIATE_TEST_SUITE_P(HexAndBinary, Copy_, ::testing::Values(
    CopyCase{"5+0", KH2Click, "0x0", "+C"},
    CopyCase{"255=", KH2Click, "0xFF", " C"},
    CopyCase{"255=", KB1Click, "0b11111111", " C"},
    CopyCase{"1S=", KH2Click, "0xFFFFFFFF", " C"},
    CopyCase{"1S=", KB1Click, "0b" + Ones32, " C"},
    CopyCase{"1S*", KB1Click, "0b" + Ones32, "xC"},
    CopyCase{"12.75", KH2Click, "0xC", "+C"},
    CopyCase{"5/0=", KH2Click, "0x0", "/C"},
    CopyCase{"5/0=", KB1Click, "0b0000", "/C"}));
// clang-format on

// Every copy of an integer in the 32-bit range, pasted with the clear-first command, shows
// that integer again: decimal, hexadecimal and binary, of the result and of both memories.
TEST_F(CopyTest, EveryCopyPastesBackToItsValue) {
    std::vector<std::int64_t> values = {INT32_MIN, INT32_MIN + 1, -256, -1, 0, 1, 255, INT32_MAX - 1, INT32_MAX};
    std::mt19937 random(21);
    std::uniform_int_distribution<std::int64_t> any(INT32_MIN, INT32_MAX);
    for (int i = 0; i < 2000; ++i) values.push_back(any(random));
    void (*const copies[])() = {KC1Click,           KH2Click,       KB1Click,
                                CopyMemory1Decimal, CopyMemory1Hex, CopyMemory1Binary,
                                CopyMemory2Decimal, CopyMemory2Hex, CopyMemory2Binary};
    for (const std::int64_t v : values) {
        const std::string decimal = std::to_string(v);
        ResetEngine();
        Press(std::to_string(v < 0 ? -v : v) + (v < 0 ? "M=" : "="));
        StoreMemory1();
        StoreMemory2();
        for (std::size_t c = 0; c < std::size(copies); ++c) {
            copies[c]();
            const std::string copied = Clip();
            CalculateFromClipboard(0);
            ASSERT_EQ(Label1Text(), decimal) << "copy " << c << " as " << copied;
        }
    }
}

TEST(CopyToClipboard, DropsOnePlusOnly) {
    MemoryClipboard clipboard;
    SetClipboard(&clipboard);
    ResetEngine();
    for (const auto& [given, copied] : std::initializer_list<std::pair<const char*, const char*>>{
             {"+5", "5"}, {"-5", "-5"}, {"++5", "+5"}, {"", ""}, {"5+", "5+"}}) {
        CopyMemoryText(given);
        EXPECT_EQ(clipboard.Text().value_or("<none>"), copied) << given;
    }
    SetClipboard(nullptr);
}

}  // namespace
}  // namespace abacone::test
