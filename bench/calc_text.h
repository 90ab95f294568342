// Calculation text for measurements: digits, points and operators mixed, a result every
// few dozen characters, and no line break, so a clipboard calculation reads it whole.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace abacone::bench {

// Exactly `bytes` characters. Every calculation in it stays within the calculator's
// range and never divides by zero, so the whole text is evaluated.
std::string MakeCalculationText(std::size_t bytes, std::uint32_t seed = 1);

// A column of amounts as a spreadsheet copies it: one per line, ended by `lineBreak`,
// with thousands commas and now and then a fraction ("12,345", "980", "3,400.50").
std::string MakeColumnText(std::size_t lines, std::string_view lineBreak = "\n", std::uint32_t seed = 1);

}  // namespace abacone::bench
