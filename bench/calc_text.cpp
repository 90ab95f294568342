#include "bench/calc_text.h"

#include <string_view>

namespace abacone::bench {

namespace {

class Random {
public:
    explicit Random(std::uint32_t seed) : state_(seed | 1u) {}
    std::uint32_t Below(std::uint32_t n) {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return state_ % n;
    }

private:
    std::uint32_t state_;
};

// A number of at most four integer digits, the first not zero, so three of them
// multiplied stay far inside the range and none divides by zero.
void AppendNumber(std::string& out, Random& random) {
    out += static_cast<char>('1' + random.Below(9));
    for (std::uint32_t n = random.Below(4); n > 0; --n) out += static_cast<char>('0' + random.Below(10));
    switch (random.Below(4)) {
    case 0:
        out += '.';
        for (std::uint32_t n = 1 + random.Below(3); n > 0; --n) out += static_cast<char>('0' + random.Below(10));
        break;
    case 1:
        if (random.Below(8) == 0) {
            // A long fraction: the digits past the entry limit are refused.
            out += '.';
            for (int n = 0; n < 24; ++n) out += static_cast<char>('0' + random.Below(10));
        }
        break;
    default: break;
    }
}

// Up to seven integer digits, commas between the thousands.
void AppendAmount(std::string& out, Random& random) {
    const std::uint32_t digits = 1 + random.Below(7);
    out += static_cast<char>('1' + random.Below(9));
    for (std::uint32_t left = digits - 1; left > 0; --left) {
        if (left % 3 == 0) out += ',';
        out += static_cast<char>('0' + random.Below(10));
    }
    if (random.Below(4) == 0) {
        out += '.';
        out += static_cast<char>('0' + random.Below(10));
        out += static_cast<char>('0' + random.Below(10));
    }
}

}  // namespace

std::string MakeColumnText(std::size_t lines, std::string_view lineBreak, std::uint32_t seed) {
    Random random(seed);
    std::string out;
    out.reserve(lines * (12 + lineBreak.size()));
    for (std::size_t i = 0; i < lines; ++i) {
        AppendAmount(out, random);
        out += lineBreak;
    }
    return out;
}

std::string MakeCalculationText(std::size_t bytes, std::uint32_t seed) {
    static constexpr char kOperators[] = "+-*/\\";
    static constexpr const char* kEndings[] = {"=", "=", "=", "=r", "=c", "=P", " = ", "=,"};
    Random random(seed);
    std::string out;
    out.reserve(bytes + 128);
    while (out.size() < bytes) {
        // Each calculation starts with a digit after the last "=", so it begins anew.
        AppendNumber(out, random);
        for (std::uint32_t n = 1 + random.Below(2); n > 0; --n) {
            out += kOperators[random.Below(5)];
            AppendNumber(out, random);
        }
        out += kEndings[random.Below(8)];
    }
    // The cut may leave a partial calculation; the end of the text acts as "=", which
    // after an operator would divide by an empty entry, so that operator becomes "=".
    out.resize(bytes);
    if (!out.empty() && std::string_view(kOperators).find(out.back()) != std::string_view::npos) {
        out.back() = '=';
    }
    return out;
}

}  // namespace abacone::bench
