#pragma once

#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

#include "Result.h"

namespace dct::cli {

// The range of a coefficient given to the tool.
inline constexpr long long kInt16Min = std::numeric_limits<std::int16_t>::min();
inline constexpr long long kInt16Max = std::numeric_limits<std::int16_t>::max();

// Reads a plain decimal integer: an optional "-" and at least one digit,
// nothing before or after (no blanks, no "+", no exponent), and within
// min..max. Digit strings of any length are handled without overflow. The
// failure message completes a sentence about the text, e.g. "is outside 0..7".
Result<long long> ParseInteger(std::string_view text, long long min, long long max);

// The text in single quotes for an error message, with control characters
// escaped so that the message stays on one line.
std::string Quoted(std::string_view text);

}  // namespace dct::cli
