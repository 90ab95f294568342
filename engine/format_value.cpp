// A value to its signed decimal text: the double's "%+16.16f" text cut to 18 characters.
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>

#include "engine/render.h"
#include "engine/value_text.h"

namespace abacone {
namespace {

constexpr int KeptLength = 18;

struct KeptText {
    char Text[KeptLength + 1] = {};
    int Length = 0;
    bool HasPoint = false;
};

// round(a x 10^16), ties to even, exactly: a = m x 2^e, so a x 10^16 = m x 5^16 x 2^(e+16),
// and m x 5^16 < 2^91 fits 128 bits. For non-integral a below 10^17 (then e < 0).
unsigned __int128 ScaledBy1e16(double a) {
    const auto bits = std::bit_cast<std::uint64_t>(a);
    const int field = static_cast<int>(bits >> 52) & 0x7FF;
    std::uint64_t m = bits & ((std::uint64_t{1} << 52) - 1);
    int e = -1074;
    if (field != 0) {
        m |= std::uint64_t{1} << 52;
        e = field - 1075;
    }
    constexpr std::uint64_t Five16 = 152587890625;  // 5^16
    const unsigned __int128 p = static_cast<unsigned __int128>(m) * Five16;
    const int shift = -(e + 16);
    if (shift <= 0) return p << -shift;
    if (shift >= 100) return 0;  // below 2^-9 of the last decimal
    const unsigned __int128 n = p >> shift;
    const unsigned __int128 rest = p & ((static_cast<unsigned __int128>(1) << shift) - 1);
    const unsigned __int128 half = static_cast<unsigned __int128>(1) << (shift - 1);
    return n + ((rest > half || (rest == half && (n & 1))) ? 1 : 0);
}

constexpr char DigitPairs[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

// Eight decimal digits with leading zeros, in two independent halves.
void WriteEightDigits(std::uint32_t v, char* out) {
    const std::uint32_t high = v / 10000;
    const std::uint32_t low = v % 10000;
    std::memcpy(out, DigitPairs + 2 * (high / 100), 2);
    std::memcpy(out + 2, DigitPairs + 2 * (high % 100), 2);
    std::memcpy(out + 4, DigitPairs + 2 * (low / 100), 2);
    std::memcpy(out + 6, DigitPairs + 2 * (low % 100), 2);
}

// Steps shared by both formats: the double, "%+16.16f" (exponent form from 1e40 on),
// first 18 characters.
KeptText Keep(double d) {
    KeptText k;
    const double a = std::fabs(d);
    char buf[400];
    char* end;
    bool zero;
    if (a < 1e17) {
        // Every value the engine makes: integer and 16 decimals exactly, no library scan.
        std::uint64_t whole;
        std::uint64_t fraction = 0;
        if (a == std::trunc(a)) {
            whole = static_cast<std::uint64_t>(a);
        } else {
            const unsigned __int128 n = ScaledBy1e16(a);
            constexpr std::uint64_t Scale = 10000000000000000;  // 10^16
            whole = static_cast<std::uint64_t>(n / Scale);
            fraction = static_cast<std::uint64_t>(n % Scale);
        }
        zero = whole == 0 && fraction == 0;
        end = std::to_chars(buf, buf + sizeof buf, whole).ptr;
        *end++ = '.';
        WriteEightDigits(static_cast<std::uint32_t>(fraction / 100000000), end);
        WriteEightDigits(static_cast<std::uint32_t>(fraction % 100000000), end + 8);
        end += 16;
    } else {
        if (std::isfinite(a)) {
            const auto format = a < 1e40 ? std::chars_format::fixed : std::chars_format::scientific;
            end = std::to_chars(buf, buf + sizeof buf, a, format, 16).ptr;
        } else {
            end = std::to_chars(buf, buf + sizeof buf, a).ptr;  // "inf", "nan"
        }
        zero = false;
    }
    // A value that rounds to zero is written with a plus sign, whatever its sign.
    k.Text[0] = (std::signbit(d) && !zero && !std::isnan(d)) ? '-' : '+';
    const int n = std::min<int>(static_cast<int>(end - buf), KeptLength - 1);
    std::memcpy(k.Text + 1, buf, static_cast<std::size_t>(n));
    k.HasPoint = std::memchr(buf, '.', static_cast<std::size_t>(n)) != nullptr;
    k.Length = n + 1;
    return k;
}

ValueText Stripped(const KeptText& k) {
    ValueText t;
    int n = k.Length;
    if (k.HasPoint) {
        while (k.Text[n - 1] == '0') --n;
        if (k.Text[n - 1] == '.') --n;
    }
    std::copy(k.Text, k.Text + n, t.Text);
    t.Length = n;
    return t;
}

double ReadDouble(const char* first, const char* last) {
    if (first != last && *first == '+') ++first;
    double d = 0;
    std::from_chars(first, last, d, std::chars_format::fixed);
    return d;
}

}  // namespace

ValueText FormatValueText(CalcValue v) { return Stripped(Keep(static_cast<double>(v))); }

ValueText FormatValueRoundedUpText(CalcValue v) {
    const double d = static_cast<double>(v);
    const KeptText k = Keep(d);
    // A kept text ending in "0" already shows the short decimal; raising it would invent
    // a digit.
    if (!k.HasPoint || k.Text[k.Length - 1] == '0') return Stripped(k);
    ValueText t;
    std::copy(k.Text, k.Text + k.Length, t.Text);
    int n = k.Length;
    while (n > 1) {
        char& c = t.Text[n - 1];
        if (c == '9') {
            --n;
            continue;
        }
        if (c == '.') {
            --n;
        } else if (c >= '0' && c <= '8') {
            ++c;
        }
        break;
    }
    t.Length = n;
    // Keep the raised text only where it stands for the same double: real nines and real
    // last digits stay as they are.
    if (ReadDouble(t.Text, t.Text + n) != d) return Stripped(k);
    return t;
}

CalcValue DisplayedValue(CalcValue v) {
    // From 16 integer digits on, the display shows no fraction and may cut digits.
    if (std::fabs(v) >= 1e16L || !std::isfinite(v)) return v;
    return ReadDecimal(FormatValueText(v).View());
}

std::string FormatValue(CalcValue v) { return std::string(FormatValueText(v).View()); }

std::string FormatValueRoundedUp(CalcValue v) { return std::string(FormatValueRoundedUpText(v).View()); }

}  // namespace abacone
