#include "functions/value_text.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>

namespace abacone {
namespace {

struct Reading {
    const char* Text;
    CalcValue Expected;
};

TEST(ReadValueText, ReadsTheLeadingNumberAndIgnoresTheRest) {
    // clang-format off
    const Reading cases[] = {
        {"12abc", 12}, {" 12", 12}, {"\t\n 3.5", 3.5L}, {"1,5", 1}, {"1e3", 1000},
        {"-0.25", -0.25L}, {"+7", 7}, {".5", 0.5L}, {"5.", 5}, {"-.5", -0.5L},
        {"2E-2", 0.02L}, {"1.5e+2x", 150}, {"12 34", 12}, {"007", 7},
        // An exponent without digits is not part of the number.
        {"1e", 1}, {"1e+", 1}, {"3E-x", 3},
        // Nothing readable.
        {"abc", 0}, {"", 0}, {".", 0}, {"-", 0}, {"+.e5", 0}, {"--5", 0}, {"e5", 0},
        // Words and hexadecimal forms that the C library would read are not numbers here.
        {"inf", 0}, {"-INFINITY", 0}, {"nan", 0}, {"NaN(1)", 0}, {"0x1p3", 0}, {"0x10", 0},
        // Full extended precision, not a double's.
        {"0.1", 0.1L}, {"89.9999999999999999", 89.9999999999999999L},
        {"123456789012345678901234567890", 123456789012345678901234567890.0L},
        // Below the smallest extended value.
        {"1e-5000", 0}, {"0.0000e99999", 0},
    };
    // clang-format on
    for (const auto& c : cases) {
        EXPECT_EQ(ReadValueText(c.Text), c.Expected) << '"' << c.Text << '"';
    }
}

TEST(ReadValueText, MagnitudeBeyondTheFormatBecomesInfinity) {
    const CalcValue inf = std::numeric_limits<CalcValue>::infinity();
    EXPECT_EQ(ReadValueText("1e5000"), inf);
    EXPECT_EQ(ReadValueText("-1e5000"), -inf);
    EXPECT_EQ(ReadValueText("100000e4930"), inf);
    EXPECT_EQ(ReadValueText("0.001e4934"), 1e4931L);
    EXPECT_EQ(ReadValueText("0.00001e-4940"), 0);
    EXPECT_EQ(ReadValueText("1e99999999999999999999"), inf);
    EXPECT_EQ(ReadValueText("1e-99999999999999999999"), 0);
    EXPECT_TRUE(std::signbit(ReadValueText("-0")));
}

TEST(ReadValueText, IgnoresTheUsersLocale) {
    const char* previous = std::setlocale(LC_ALL, nullptr);
    const std::string saved = previous ? previous : "C";
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) GTEST_SKIP() << "de_DE.UTF-8 is not installed";
    const CalcValue point = ReadValueText("1.5");
    const CalcValue comma = ReadValueText("1,5");
    std::setlocale(LC_ALL, saved.c_str());
    EXPECT_EQ(point, 1.5L);
    EXPECT_EQ(comma, 1);
}

}  // namespace
}  // namespace abacone
