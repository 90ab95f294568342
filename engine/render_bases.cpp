// A decimal text to the three renderings, and the main display lines derived from the
// text last shown.
#include <charconv>
#include <cstdint>

#include "engine/display.h"
#include "engine/render.h"

namespace abacone {
namespace {

// The integer part as a 32-bit two's-complement number (digits wrap modulo 2^32).
std::uint32_t IntegerPart(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size() && (s[i] == ' ' || (s[i] >= '\t' && s[i] <= '\r'))) ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
    std::uint32_t n = 0;
    for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i) n = n * 10u + static_cast<std::uint32_t>(s[i] - '0');
    return negative ? 0u - n : n;
}

// "5." and "-5.00" lose their all-zero fraction; "0.00" keeps it.
std::string_view CutZeroFraction(std::string_view d) {
    const std::size_t point = d.find('.');
    if (point == std::string_view::npos || point == 0 || d.front() == '0') return d;
    if (d.find_first_not_of('0', point + 1) != std::string_view::npos) return d;
    return d.substr(0, point);
}

}  // namespace

BaseTexts RenderBases(std::string_view s) {
    BaseTexts t;
    t.DecimalText = std::string(!s.empty() && s.front() == '+' ? s.substr(1) : s);

    char hex[8];
    const auto end = std::to_chars(hex, hex + sizeof hex, IntegerPart(s), 16).ptr;
    for (char* p = hex; p < end; ++p) {
        if (*p >= 'a') *p = static_cast<char>(*p - 'a' + 'A');
    }
    t.HexText.assign(hex, end);

    t.BinaryText.reserve(39);
    for (char* p = hex; p < end; ++p) {
        const int v = *p <= '9' ? *p - '0' : *p - 'A' + 10;
        if (p != hex) t.BinaryText += ' ';
        for (int bit = 3; bit >= 0; --bit) t.BinaryText += (v >> bit) & 1 ? '1' : '0';
    }
    return t;
}

void ShowResult(std::string_view s) {
    Display.ShownText.assign(s);
    Display.ShownAsResult = true;
}

void ShowEntry(std::string_view s) {
    Display.ShownText.assign(s);
    Display.ShownAsResult = false;
}

std::string Label1Text() {
    const std::string decimal = RenderBases(Display.ShownText).DecimalText;
    if (!Display.ShownAsResult) return decimal;
    return std::string(CutZeroFraction(decimal));
}

std::string Label3Text() { return RenderBases(Display.ShownText).HexText; }
std::string Label4Hint() { return RenderBases(Display.ShownText).BinaryText; }
std::string ShownHexText() { return Label3Text(); }

}  // namespace abacone
