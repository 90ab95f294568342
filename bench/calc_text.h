// Calculation text for measurements: digits, points and operators mixed, a result every
// few dozen characters, and no line break, so a clipboard calculation reads it whole.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace abacone::bench {

// Exactly `bytes` characters. Every calculation in it stays within the calculator's
// range and never divides by zero, so the whole text is evaluated.
std::string MakeCalculationText(std::size_t bytes, std::uint32_t seed = 1);

}  // namespace abacone::bench
