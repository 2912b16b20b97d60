#include "model/CoefficientFromText.h"

#include <algorithm>

#include "model/NumberText.h"

namespace dct {

std::int16_t CoefficientFromText(std::string_view text) {
  const auto number = ReadLeadingNumber(text);
  return number ? CoefficientFromNumber(number->value) : 0;
}

// Limiting before rounding gives the same result as after, and keeps a number
// beyond the 16-bit range, or an infinity, out of the conversion: it gives
// the limit of its sign. Written so that a NaN ends at the lower limit rather
// than in an undefined conversion.
std::int16_t CoefficientFromNumber(double value) {
  const double limited = !(value >= kCoefMin) ? kCoefMin : std::min(value, double{kCoefMax});
  return static_cast<std::int16_t>(RoundHalfToEven(limited));
}

}  // namespace dct
