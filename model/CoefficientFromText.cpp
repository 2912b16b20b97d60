#include "CoefficientFromText.h"

#include <algorithm>

#include "NumberText.h"

namespace dct {

std::int16_t CoefficientFromText(std::string_view text) {
  const auto number = ReadLeadingNumber(text);
  if (!number) return 0;
  // Limiting before rounding gives the same result as after, and keeps a
  // number beyond the 16-bit range, or beyond any double, out of the
  // conversion: it gives the limit of its sign.
  const double limited = std::clamp(number->value, double{kCoefMin}, double{kCoefMax});
  return static_cast<std::int16_t>(RoundHalfToEven(limited));
}

}  // namespace dct
