#include "engine/wide_key.h"

namespace abacone {
namespace {

// A well-formed lead byte: the sequence's length and the range of its second byte
// (narrower after E0, ED, F0 and F4, so overlong forms and surrogates are malformed).
struct Lead {
    std::size_t Length;
    unsigned char Low, High;
};

constexpr Lead LeadOf(unsigned char b) {
    if (b >= 0xC2 && b <= 0xDF) return {2, 0x80, 0xBF};
    if (b == 0xE0) return {3, 0xA0, 0xBF};
    if (b == 0xED) return {3, 0x80, 0x9F};
    if (b >= 0xE1 && b <= 0xEF) return {3, 0x80, 0xBF};
    if (b == 0xF0) return {4, 0x90, 0xBF};
    if (b >= 0xF1 && b <= 0xF3) return {4, 0x80, 0xBF};
    if (b == 0xF4) return {4, 0x80, 0x8F};
    return {1, 0, 0};  // a continuation byte, C0, C1 or F5 and above
}

// The full-width forms (U+FF01 to U+FF5E mirror ASCII 0x21 to 0x7E) that count as keys.
// Full-width letters never do: a full-width "Ｃ" is not the divide-by-1024 command.
constexpr std::string_view FullWidthKeys = "0123456789.+-*/=";
constexpr char32_t FullWidthOffset = 0xFEE0;

constexpr struct {
    char32_t Character;
    char Key;
} TypesetKeys[] = {
    {0x00D7, '*'},  // ×
    {0x00F7, '/'},  // ÷
    {0x2212, '-'},  // − the minus sign
};

char KeyOf(char32_t c) {
    if (c >= 0xFF01 && c <= 0xFF5E) {
        const char ascii = static_cast<char>(c - FullWidthOffset);
        if (FullWidthKeys.find(ascii) != std::string_view::npos) return ascii;
    }
    for (const auto& typeset : TypesetKeys) {
        if (typeset.Character == c) return typeset.Key;
    }
    return ' ';  // yen signs, the ideographic space, kana, kanji and the rest
}

bool Continuation(unsigned char b) { return b >= 0x80 && b <= 0xBF; }

}  // namespace

WideKey ReadWideKey(std::string_view text, std::size_t at) {
    constexpr WideKey Malformed{' ', 1};
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[at + k]); };
    const Lead lead = LeadOf(byte(0));
    // Bytes of a malformed sequence go one at a time: none of them is ASCII, so a
    // well-formed character or a key after them is still read.
    if (lead.Length == 1 || text.size() - at < lead.Length) return Malformed;
    if (byte(1) < lead.Low || byte(1) > lead.High) return Malformed;
    char32_t c = byte(0) & (0x7F >> lead.Length);
    for (std::size_t k = 1; k < lead.Length; ++k) {
        if (!Continuation(byte(k))) return Malformed;
        c = (c << 6) | (byte(k) & 0x3F);
    }
    return {KeyOf(c), lead.Length};
}

}  // namespace abacone
