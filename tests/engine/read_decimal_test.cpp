#include <gtest/gtest.h>

#include <cmath>

#include "engine/render.h"

namespace abacone {
namespace {

struct ReadCase {
    const char* text;
    CalcValue expected;  // the compiler's own correctly rounded reading of the literal
};

class ReadDecimal_ : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ReadDecimal_, RoundsCorrectly) {
    EXPECT_EQ(ReadDecimal(GetParam().text), GetParam().expected) << GetParam().text;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Texts, ReadDecimal_, ::testing::Values(
    ReadCase{"", 0.0L},
    ReadCase{"-", 0.0L},
    ReadCase{"+", 0.0L},
    ReadCase{".", 0.0L},
    ReadCase{"0", 0.0L},
    ReadCase{"12.5", 12.5L},
    ReadCase{"+12.5", 12.5L},
    ReadCase{"-0.1", -0.1L},
    ReadCase{"0.1", 0.1L},
    ReadCase{"2.3", 2.3L},
    ReadCase{".5", 0.5L},
    ReadCase{"5.", 5.0L},
    ReadCase{"03", 3.0L},
    ReadCase{"12.5abc", 12.5L},
    ReadCase{"1.2.3", 1.2L},
    ReadCase{"1e5", 1.0L},
    ReadCase{"Error", 0.0L},
    ReadCase{"123456789012345", 123456789012345.0L},
    ReadCase{"0.00000000000001", 0.00000000000001L},
    ReadCase{"12345678901234.5", 12345678901234.5L},
    ReadCase{"9999999999999999999", 9999999999999999999.0L},
    ReadCase{"0.1234567890123456789012", 0.1234567890123456789012L},
    ReadCase{"123456789012345678901234567890", 123456789012345678901234567890.0L},
    ReadCase{"0.0000000000000000000000000000001", 0.0000000000000000000000000000001L}));
// clang-format on

TEST(ReadDecimal, ZeroIsNeverNegative) {
    EXPECT_FALSE(std::signbit(ReadDecimal("-0")));
    EXPECT_FALSE(std::signbit(ReadDecimal("-")));
}

}  // namespace
}  // namespace abacone
