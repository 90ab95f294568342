#include "functions/value_text.h"

#include <charconv>
#include <cstdint>
#include <limits>
#include <system_error>

namespace abacone {
namespace {

bool IsBlank(char c) {
    // The C locale's white space: what strtold skips.
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Where a decimal number that starts at pos ends (pos when there is none), and the
// power of ten of its first significant digit, which tells an overflow from an
// underflow when the conversion reports its result out of range.
struct NumberSpan {
    std::size_t End = 0;
    std::int64_t Magnitude = 0;
};

NumberSpan ScanNumber(std::string_view s, std::size_t pos) {
    std::size_t i = pos;
    std::size_t digits = 0;
    std::int64_t leadPosition = 0;  // place value of the first non-zero digit
    bool seenNonZero = false;
    std::int64_t intDigits = 0;
    for (; i < s.size() && IsDigit(s[i]); ++i, ++digits, ++intDigits) {
        if (!seenNonZero && s[i] != '0') {
            seenNonZero = true;
            leadPosition = intDigits;
        }
    }
    std::int64_t leadFromPoint = 0;
    bool leadInFraction = false;
    if (i < s.size() && s[i] == '.') {
        ++i;
        for (std::int64_t place = 1; i < s.size() && IsDigit(s[i]); ++i, ++digits, ++place) {
            if (!seenNonZero && s[i] != '0') {
                seenNonZero = true;
                leadInFraction = true;
                leadFromPoint = -place;
            }
        }
    }
    if (digits == 0) return {pos, 0};
    std::int64_t magnitude = leadInFraction ? leadFromPoint : intDigits - 1 - leadPosition;

    // The exponent counts only when at least one digit follows the "e" and its sign.
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t j = i + 1;
        bool negative = false;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) negative = s[j++] == '-';
        if (j < s.size() && IsDigit(s[j])) {
            std::int64_t exponent = 0;
            for (; j < s.size() && IsDigit(s[j]); ++j) {
                // Saturate: any exponent this large is far outside the format already.
                if (exponent < 1'000'000'000) exponent = exponent * 10 + (s[j] - '0');
            }
            magnitude += negative ? -exponent : exponent;
            i = j;
        }
    }
    return {i, magnitude};
}

}  // namespace

CalcValue ReadValueText(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size() && IsBlank(text[pos])) ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) negative = text[pos++] == '-';

    const NumberSpan span = ScanNumber(text, pos);
    if (span.End == pos) return 0;

    CalcValue value = 0;
    const char* first = text.data() + pos;
    const char* last = text.data() + span.End;
    const auto [ptr, ec] = std::from_chars(first, last, value, std::chars_format::general);
    if (ec == std::errc::result_out_of_range) {
        value = span.Magnitude > 0 ? std::numeric_limits<CalcValue>::infinity() : 0;
    } else if (ec != std::errc{} || ptr != last) {
        return 0;  // cannot happen after the scan; never let a partial read through
    }
    return negative ? -value : value;
}

}  // namespace abacone
