#include <algorithm>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <locale>
#include <random>
#include <vector>

#include "engine/value_text.h"
#include "tests/engine/keys.h"

namespace abacone::test {
namespace {

CalcValue Sum(const char* a, const char* b) { return ReadDecimal(a) + ReadDecimal(b); }
CalcValue Difference(const char* a, const char* b) { return ReadDecimal(a) - ReadDecimal(b); }

struct FormatCase {
    CalcValue value;
    const char* plain;      // FormatValue
    const char* roundedUp;  // FormatValueRoundedUp
};

class Format_ : public ::testing::TestWithParam<FormatCase> {};

TEST_P(Format_, BothTexts) {
    const FormatCase& c = GetParam();
    EXPECT_EQ(FormatValue(c.value), c.plain);
    EXPECT_EQ(FormatValueRoundedUp(c.value), c.roundedUp);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Values, Format_, ::testing::Values(
    FormatCase{0.0L, "+0", "+0"},
    FormatCase{-0.0L, "+0", "+0"},
    FormatCase{5.0L, "+5", "+5"},
    FormatCase{-0.5L, "-0.5", "-0.5"},
    FormatCase{12.3L, "+12.3", "+12.3"},
    FormatCase{100.0L, "+100", "+100"},
    FormatCase{2.3L, "+2.299999999999999", "+2.3"},
    FormatCase{10.1L, "+10.09999999999999", "+10.1"},
    FormatCase{1.0L / 3, "+0.333333333333333", "+0.333333333333333"},
    FormatCase{2.0L / 3, "+0.666666666666666", "+0.666666666666666"},
    FormatCase{Sum("1.1", "2.2"), "+3.299999999999999", "+3.3"},
    FormatCase{123456789012345.0L, "+123456789012345", "+123456789012345"},
    FormatCase{1234567890123456.0L, "+1234567890123456", "+1234567890123456"},
    FormatCase{12345678901234567.0L, "+12345678901234568", "+12345678901234568"},
    FormatCase{123456789012345678.0L, "+12345678901234568", "+12345678901234568"},
    FormatCase{1.2345e45L, "+1.2345", "+1.2345"},
    FormatCase{-1.2345e45L, "-1.2345", "-1.2345"},
    FormatCase{-0.00000000000000001L, "+0", "+0"},
    FormatCase{-0.0000000000000002L, "-0", "-0"},
    FormatCase{0.9999999999999999L, "+0.999999999999999", "+0.999999999999999"},
    FormatCase{-2.5L, "-2.5", "-2.5"},
    FormatCase{Sum("1000000", "0.1234"), "+1000000.1234", "+1000000.1234"},
    FormatCase{Difference("523271", "7.6936"), "+523263.3064", "+523263.3064"},
    FormatCase{Sum("1000000000", "0.999999"), "+1000000000.999999", "+1000000000.999999"},
    FormatCase{Sum("1000000000", "0.123456"), "+1000000000.123456", "+1000000000.123456"}));
// clang-format on

// The C library's "%+16.16f" cut to 18 characters and stripped: the reference the
// engine's own digit generation must match for every double.
std::string ReferenceText(double d) {
    char buf[512];
    std::snprintf(buf, sizeof buf, "%+16.16f", d);
    std::string s(buf);
    if (s.find_first_not_of("+-0.") == std::string::npos) s = "+0.0000000000000000";
    s.resize(std::min<std::size_t>(s.size(), 18));
    if (s.find('.') != std::string::npos) {
        s.erase(s.find_last_not_of('0') + 1);
        if (s.back() == '.') s.pop_back();
    }
    return s;
}

TEST(FormatValue, MatchesTheCLibraryBelowTheExponentForm) {
    std::mt19937_64 random(7);
    std::vector<double> values = {0.5,
                                  1.0 / 131072,
                                  3.0 / 131072,
                                  0.99999999999999995,
                                  9.9999999999999995,
                                  1e16 - 1,
                                  1e16,
                                  9e16 + 8,
                                  1e17 - 16,
                                  1e17,
                                  4.9e-17,
                                  5e-17,
                                  1e39,
                                  9.99e39};
    for (int i = 0; i < 20000; ++i) {
        // Short decimals with up to 17 digits, and arbitrary bit patterns of any scale.
        const double decimal =
            static_cast<double>(random() % 100000000000000000ULL) / std::pow(10.0, static_cast<double>(random() % 20));
        const double scale = std::ldexp(1.0, static_cast<int>(random() % 120) - 64);
        values.push_back(decimal);
        values.push_back(static_cast<double>(random() >> 11) / 9007199254740992.0 * scale);
        values.push_back(static_cast<double>(random() % 1000000) / 1048576.0);  // exact ties
    }
    for (const double v : values) {
        for (const double d : {v, -v}) {
            ASSERT_EQ(FormatValue(d), ReferenceText(d)) << std::hexfloat << d;
        }
    }
}

struct BasesCase {
    const char* text;
    const char* decimal;
    const char* hex;
    const char* binary;
};

class Bases_ : public EngineTest, public ::testing::WithParamInterface<BasesCase> {};

TEST_P(Bases_, ShownResult) {
    const BasesCase& c = GetParam();
    ShowResult(c.text);
    EXPECT_EQ(Label1Text(), c.decimal);
    EXPECT_EQ(Label3Text(), c.hex);
    EXPECT_EQ(ShownHexText(), c.hex);
    EXPECT_EQ(Label4Hint(), c.binary);
}

const std::string AllOnes = "1111 1111 1111 1111 1111 1111 1111 1111";

// clang-format off
INSTANTIATE_TEST_SUITE_P(Texts, Bases_, ::testing::Values(
    BasesCase{"+0", "0", "0", "0000"},
    BasesCase{"0", "0", "0", "0000"},
    BasesCase{"+5", "5", "5", "0101"},
    BasesCase{"+16", "16", "10", "0001 0000"},
    BasesCase{"+255", "255", "FF", "1111 1111"},
    BasesCase{"-1", "-1", "FFFFFFFF", AllOnes.c_str()},
    BasesCase{"+12.75", "12.75", "C", "1100"},
    BasesCase{"-12.75", "-12.75", "FFFFFFF4", "1111 1111 1111 1111 1111 1111 1111 0100"},
    BasesCase{"+0.5", "0.5", "0", "0000"},
    BasesCase{"-0.5", "-0.5", "0", "0000"},
    BasesCase{"+2147483648", "2147483648", "80000000", "1000 0000 0000 0000 0000 0000 0000 0000"},
    BasesCase{"+4294967296", "4294967296", "0", "0000"},
    BasesCase{"+99999999999999", "99999999999999", "107A3FFF",
              "0001 0000 0111 1010 0011 1111 1111 1111"},
    BasesCase{"Error", "Error", "0", "0000"},
    BasesCase{"+3000000000", "3000000000", "B2D05E00", "1011 0010 1101 0000 0101 1110 0000 0000"},
    BasesCase{"-2147483649", "-2147483649", "7FFFFFFF", "0111 1111 1111 1111 1111 1111 1111 1111"},
    BasesCase{"  -7.9", "  -7.9", "FFFFFFF9", "1111 1111 1111 1111 1111 1111 1111 1001"},
    // An all-zero fraction is cut from results, except where the text begins with 0.
    BasesCase{"-5.00", "-5", "FFFFFFFB", "1111 1111 1111 1111 1111 1111 1111 1011"},
    BasesCase{"5.", "5", "5", "0101"},
    BasesCase{"0.", "0.", "0", "0000"},
    BasesCase{"0.00", "0.00", "0", "0000"},
    BasesCase{"+5.50", "5.50", "5", "0101"}));
// clang-format on

TEST_F(EngineTest, EntriesAreShownExactlyAsTyped) {
    for (const char* typed : {"0.", "12.50", "5.", "-5.00"}) {
        ShowEntry(typed);
        EXPECT_EQ(Label1Text(), typed);
    }
}

TEST(DisplayedValue, DropsWhatTheDisplayDoesNotShow) {
    EXPECT_EQ(DisplayedValue(ReadDecimal("12.5") * ReadDecimal("8.4")), 105);
    EXPECT_EQ(DisplayedValue(-0.00000000000000001L), 0);
    EXPECT_EQ(DisplayedValue(2.5L), 2.5L);
    EXPECT_EQ(DisplayedValue(1e20L), 1e20L);
}

// Number conversions must not follow a locale that writes a decimal comma.
class CommaLocale : public EngineTest {
protected:
    void SetUp() override {
        EngineTest::SetUp();
        saved_ = std::setlocale(LC_ALL, nullptr);
        for (const char* name : {"de_DE.UTF-8", "de_DE.utf8"}) {
            if (std::setlocale(LC_ALL, name)) {
                try {
                    std::locale::global(std::locale(name));
                } catch (const std::runtime_error&) {
                    continue;
                }
                active_ = true;
                break;
            }
        }
        if (!active_) GTEST_SKIP() << "the de_DE.UTF-8 locale is not installed (scripts/setup.sh makes it)";
    }
    void TearDown() override {
        std::setlocale(LC_ALL, saved_.c_str());
        std::locale::global(std::locale::classic());
        EngineTest::TearDown();
    }

    std::string saved_;
    bool active_ = false;
};

TEST_F(CommaLocale, ConversionsAreUnchanged) {
    char probe[16];
    std::snprintf(probe, sizeof probe, "%.1f", 1.5);
    ASSERT_STREQ(probe, "1,5") << "the locale should write a comma";
    EXPECT_EQ(FormatValue(12.5L), "+12.5");
    EXPECT_EQ(FormatValue(1.0L / 3), "+0.333333333333333");
    EXPECT_EQ(FormatValueRoundedUp(Sum("1.1", "2.2")), "+3.3");
    EXPECT_EQ(FormatValue(1.2345e45L), "+1.2345");
    EXPECT_EQ(ReadDecimal("12.5"), 12.5L);
    EXPECT_EQ(ReadDecimal("0.1234567890123456789012"), 0.1234567890123456789012L);
    CalculateText("1.5*3=", 0);
    EXPECT_EQ(Label1Text(), "4.5");
}

}  // namespace
}  // namespace abacone::test
