// A value to its signed decimal text: the double's "%+16.16f" text cut to 18 characters.
#include <charconv>
#include <cmath>
#include <cstdint>
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

// Steps shared by both formats: the double, "%+16.16f" (exponent form from 1e40 on),
// first 18 characters.
KeptText Keep(double d) {
    KeptText k;
    const double a = std::fabs(d);
    char buf[400];
    char* end;
    if (a < 1e17 && a == std::trunc(a)) {
        // Whole numbers are by far the most common; their digits are exact.
        end = std::to_chars(buf, buf + sizeof buf, static_cast<std::uint64_t>(a)).ptr;
        *end++ = '.';
        for (int i = 0; i < 16; ++i) *end++ = '0';
    } else if (std::isfinite(a)) {
        const auto format = a < 1e40 ? std::chars_format::fixed : std::chars_format::scientific;
        end = std::to_chars(buf, buf + sizeof buf, a, format, 16).ptr;
    } else {
        end = std::to_chars(buf, buf + sizeof buf, a).ptr;  // "inf", "nan"
    }
    bool allZero = true;
    for (const char* p = buf; p < end && allZero; ++p) allZero = *p == '0' || *p == '.';
    // A value that rounds to zero is written with a plus sign, whatever its sign.
    k.Text[0] = (std::signbit(d) && !allZero && !std::isnan(d)) ? '-' : '+';
    const int n = std::min<int>(static_cast<int>(end - buf), KeptLength - 1);
    for (int i = 0; i < n; ++i) {
        k.Text[1 + i] = buf[i];
        k.HasPoint |= buf[i] == '.';
    }
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

std::string FormatValueRoundedUp(CalcValue v) {
    return std::string(FormatValueRoundedUpText(v).View());
}

}  // namespace abacone
