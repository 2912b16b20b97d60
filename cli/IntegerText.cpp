#include "cli/IntegerText.h"

#include <cmath>
#include <cstdio>

#include "model/NumberText.h"

namespace dct::cli {

Result<long long> ParseInteger(std::string_view text, long long min, long long max) {
  const auto value = ReadInteger(text);
  if (!value) return Failure{std::string(kNotDecimalInteger)};
  if (*value < min || *value > max) return Failure{OutsideRange(min, max)};
  return *value;
}

std::string OutsideRange(long long min, long long max) {
  return "is outside " + std::to_string(min) + ".." + std::to_string(max);
}

namespace {

std::string Limit(double limit) {
  char text[64];
  std::snprintf(text, sizeof text, "%.17g", limit);
  return text;
}

}  // namespace

Result<double> ParseDecimal(std::string_view text, double limit) {
  // The model's reader also skips leading blanks and takes a "+", as a typed
  // coefficient may have them; a plain decimal number has neither.
  const bool plainStart = !text.empty() && text[0] != '+' && text[0] != ' ' && text[0] != '\t';
  const auto number = plainStart ? ReadLeadingNumber(text) : std::nullopt;
  if (!number || number->length != text.size()) return Failure{"is not a decimal number"};
  if (!(std::fabs(number->value) <= limit)) {
    return Failure{"is outside -" + Limit(limit) + ".." + Limit(limit)};
  }
  return number->value;
}

}  // namespace dct::cli
