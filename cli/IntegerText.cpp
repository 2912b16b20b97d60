#include "IntegerText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <system_error>

namespace dct::cli {

Result<long long> ParseInteger(std::string_view text, long long min, long long max) {
  long long value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (text.empty() || stop != end ||
      (error != std::errc() && error != std::errc::result_out_of_range)) {
    return Failure{"is not a decimal integer"};
  }
  if (error == std::errc::result_out_of_range || value < min || value > max) {
    return Failure{"is outside " + std::to_string(min) + ".." + std::to_string(max)};
  }
  return value;
}

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::size_t SkipDigits(std::string_view text, std::size_t i) {
  while (i < text.size() && IsDigit(text[i])) ++i;
  return i;
}

// Whether the text is a number as ParseDecimal describes it.
bool IsDecimal(std::string_view text) {
  std::size_t i = text.empty() || text[0] != '-' ? 0 : 1;
  const std::size_t integerDigits = SkipDigits(text, i) - i;
  i += integerDigits;
  std::size_t fractionDigits = 0;
  if (i < text.size() && text[i] == '.') {
    fractionDigits = SkipDigits(text, i + 1) - (i + 1);
    i += 1 + fractionDigits;
  }
  if (integerDigits + fractionDigits == 0) return false;
  if (i == text.size()) return true;
  if (text[i] != 'e' && text[i] != 'E') return false;
  ++i;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
  const std::size_t end = SkipDigits(text, i);
  return end != i && end == text.size();
}

// Whether a number that no double can hold is too small rather than too
// large: whether the power of ten of its first significant digit is
// negative. Exponents are held saturated, far beyond any double's.
bool TooSmallForADouble(std::string_view number) {
  constexpr long long kBound = 1'000'000'000'000LL;
  const std::size_t e = std::min(number.find_first_of("eE"), number.size());
  const std::string_view mantissa = number.substr(0, e);
  const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
  const std::size_t first = mantissa.find_first_of("123456789");
  long long power = first < point ? static_cast<long long>(point - first) - 1
                                  : -static_cast<long long>(first - point);
  if (e < number.size()) {
    const std::string_view digits = number.substr(e + 1);
    long long exponent = 0;
    const bool negative = digits.starts_with('-');
    for (const char c : digits.substr(digits.starts_with('-') || digits.starts_with('+') ? 1 : 0)) {
      exponent = std::min(kBound, exponent * 10 + (c - '0'));
    }
    power += negative ? -exponent : exponent;
  }
  return power < 0;
}

std::string Limit(double limit) {
  char text[64];
  std::snprintf(text, sizeof text, "%.17g", limit);
  return text;
}

}  // namespace

Result<double> ParseDecimal(std::string_view text, double limit) {
  if (!IsDecimal(text)) return Failure{"is not a decimal number"};
  double value = 0;
  const auto [stop, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error == std::errc::result_out_of_range) {
    // The nearest double of a number too small for one is zero.
    value = TooSmallForADouble(text) ? 0.0 : HUGE_VAL;
    if (text[0] == '-') value = -value;
  } else if (error != std::errc() || stop != text.data() + text.size()) {
    return Failure{"is not a decimal number"};
  }
  if (!(std::fabs(value) <= limit)) {
    return Failure{"is outside -" + Limit(limit) + ".." + Limit(limit)};
  }
  return value;
}

std::string Quoted(std::string_view text) {
  std::string quoted = "'";
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7F) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
      quoted += escaped;
    } else {
      quoted += c;
    }
  }
  return quoted + "'";
}

}  // namespace dct::cli
