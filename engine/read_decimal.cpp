// Decimal text to CalcValue without the C locale: "12.5" reads the same wherever the
// user's locale writes a decimal comma.
#include <charconv>
#include <cstdint>
#include <string>

#include "engine/render.h"

namespace abacone {
namespace {

// 10^k is exact in the 64-bit significand up to k = 27 (5^27 < 2^64).
constexpr int ExactPowers = 28;

constexpr auto MakePowers() {
    struct Table {
        CalcValue v[ExactPowers];
    } t{};
    CalcValue p = 1;
    for (int i = 0; i < ExactPowers; ++i, p *= 10) t.v[i] = p;
    return t;
}
constexpr auto Powers = MakePowers();

}  // namespace

CalcValue ReadDecimal(std::string_view s) {
    std::size_t i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
    const std::size_t start = i;

    // One pass: up to 19 significant digits fit a 64-bit integer exactly.
    std::uint64_t digits = 0;
    int significant = 0;
    int scale = 0;  // digits after the point
    bool point = false;
    for (; i < s.size(); ++i) {
        const char c = s[i];
        if (c == '.' && !point) {
            point = true;
            continue;
        }
        if (c < '0' || c > '9') break;
        if (significant == 0 && c == '0') {
            if (point) ++scale;
            continue;
        }
        if (significant < 19) digits = digits * 10 + static_cast<std::uint64_t>(c - '0');
        ++significant;
        if (point) ++scale;
    }

    CalcValue v;
    if (significant == 0) {
        v = 0;
    } else if (significant <= 19 && scale < ExactPowers) {
        // Both operands exact: the one division rounds correctly.
        v = static_cast<CalcValue>(digits) / Powers.v[scale];
    } else {
        // Rare long texts: the library's correctly rounded reader on the readable prefix.
        std::string text(s.substr(start, i - start));
        if (text.empty() || text == ".") return 0;
        v = 0;
        std::from_chars(text.data(), text.data() + text.size(), v, std::chars_format::fixed);
    }
    return negative && v != 0 ? -v : v;
}

}  // namespace abacone
