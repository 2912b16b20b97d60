#include "CoefficientFromText.h"

#include <charconv>
#include <cmath>
#include <optional>
#include <string>
#include <system_error>

namespace dct {
namespace {

// A leading number as sign, significant digits and decimal exponent:
// value = 0.digits × 10^exponent, with no leading zero among the digits.
struct ScannedNumber {
  bool negative = false;
  std::string digits;
  long long exponent = 0;
};

// Exponents are held well inside long long even for absurd texts; any number
// whose exponent reaches this bound is far beyond the ±100 limit (or far below 0.1).
constexpr long long kExponentBound = 1'000'000'000'000LL;

bool isDigit(char c) { return c >= '0' && c <= '9'; }

bool isBlank(char c) { return c == ' ' || c == '\t'; }

long long saturatedExponent(long long value) {
  if (value > kExponentBound) return kExponentBound;
  if (value < -kExponentBound) return -kExponentBound;
  return value;
}

// Reads "e12", "E-3" or "e+4" at text[i]; an "e" without digits is no exponent.
std::optional<long long> scanExponent(std::string_view text, std::size_t i) {
  if (i >= text.size() || (text[i] != 'e' && text[i] != 'E')) return std::nullopt;
  ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  if (i >= text.size() || !isDigit(text[i])) return std::nullopt;
  long long value = 0;
  for (; i < text.size() && isDigit(text[i]); ++i) {
    value = saturatedExponent(value * 10 + (text[i] - '0'));
  }
  return negative ? -value : value;
}

// Leading blanks, an optional sign, digits with an optional decimal point
// (at least one digit on either side), and an optional exponent.
std::optional<ScannedNumber> scanLeadingNumber(std::string_view text) {
  ScannedNumber number;
  std::size_t i = 0;
  while (i < text.size() && isBlank(text[i])) ++i;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
    number.negative = text[i] == '-';
    ++i;
  }
  bool anyDigit = false;
  for (; i < text.size() && isDigit(text[i]); ++i) {
    anyDigit = true;
    if (number.digits.empty() && text[i] == '0') continue;
    number.digits.push_back(text[i]);
    ++number.exponent;
  }
  if (i < text.size() && text[i] == '.') {
    for (++i; i < text.size() && isDigit(text[i]); ++i) {
      anyDigit = true;
      if (number.digits.empty() && text[i] == '0') {
        --number.exponent;
        continue;
      }
      number.digits.push_back(text[i]);
    }
  }
  if (!anyDigit) return std::nullopt;
  if (const auto exponent = scanExponent(text, i)) {
    number.exponent = saturatedExponent(number.exponent + *exponent);
  }
  while (!number.digits.empty() && number.digits.back() == '0') number.digits.pop_back();
  return number;
}

// The correctly rounded double of 0.digits × 10^exponent, for small exponents.
double toDouble(const std::string& digits, long long exponent) {
  const std::string normalized = "0." + digits + "e" + std::to_string(exponent);
  double value = 0.0;
  std::from_chars(normalized.data(), normalized.data() + normalized.size(), value);
  return value;
}

double roundHalfToEven(double value) {
  double rounded = std::floor(value);
  const double fraction = value - rounded;  // exact for |value| < 2^52
  if (fraction > 0.5 || (fraction == 0.5 && std::fmod(rounded, 2.0) != 0.0)) rounded += 1.0;
  return rounded;
}

}  // namespace

std::int16_t CoefficientFromText(std::string_view text) {
  const auto number = scanLeadingNumber(text);
  if (!number || number->digits.empty()) return 0;
  // From 10^5 on, the value is beyond the 16-bit range and beyond ±100 alike;
  // below 0.1 it rounds to 0. Neither needs the double, which could overflow.
  if (number->exponent > 5) return number->negative ? kCoefMin : kCoefMax;
  if (number->exponent < 0) return 0;
  const double magnitude = toDouble(number->digits, number->exponent);
  double value = roundHalfToEven(number->negative ? -magnitude : magnitude);
  if (value > kCoefMax) value = kCoefMax;
  if (value < kCoefMin) value = kCoefMin;
  return static_cast<std::int16_t>(value);
}

}  // namespace dct
