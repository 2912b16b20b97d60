#pragma once

#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

#include "cli/Result.h"

namespace dct::cli {

// The range of a coefficient given to the tool.
inline constexpr long long kInt16Min = std::numeric_limits<std::int16_t>::min();
inline constexpr long long kInt16Max = std::numeric_limits<std::int16_t>::max();

// Reads a plain decimal integer: an optional "-" and at least one digit,
// nothing before or after (no blanks, no "+", no exponent), and within
// min..max. Digit strings of any length are handled without overflow. The
// failure message completes a sentence about the text, e.g. "is outside 0..7".
Result<long long> ParseInteger(std::string_view text, long long min, long long max);

// How ParseInteger's failures end, for readers that check the number's parts
// themselves.
inline constexpr std::string_view kNotDecimalInteger = "is not a decimal integer";
std::string OutsideRange(long long min, long long max);

// Reads a plain decimal number: an optional "-", digits with an optional
// decimal point and at least one digit, and an optional exponent ("e-3",
// "E+2"); nothing before or after, and no "inf", "nan" or hexadecimal. The
// value is the double nearest the text (0 for a text too close to 0 for any
// double) and must lie within -limit..limit. Failures complete a sentence as
// ParseInteger's do.
Result<double> ParseDecimal(std::string_view text, double limit);

}  // namespace dct::cli
