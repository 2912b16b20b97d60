#pragma once

#include <cstdint>
#include <string_view>

namespace dct {

inline constexpr std::int16_t kCoefMax = 100;
inline constexpr std::int16_t kCoefMin = -100;

// The value that a coefficient box's text stands for: the longest leading
// decimal number of the text (see docs/lesson.md for the forms accepted),
// rounded to the nearest integer with halves to even, then limited to 100
// from above and to -100 from below; 0 when the text does not begin with a
// number.
// Any text gives a value, however long or large its number.
std::int16_t CoefficientFromText(std::string_view text);

// A number as the window takes it: rounded to the nearest integer with halves
// to even and limited to -100..100. Any double gives a value (a NaN, -100).
std::int16_t CoefficientFromNumber(double value);

}  // namespace dct
