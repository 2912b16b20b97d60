#include "model/NumberText.h"

#include <locale.h>
#include <stdlib.h>

#include <charconv>
#include <climits>
#include <cmath>
#include <string>
#include <system_error>

namespace dct {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::size_t skipDigits(std::string_view text, std::size_t i) {
  while (i < text.size() && isDigit(text[i])) ++i;
  return i;
}

// Where the number that starts at `start` ends, or `start` when none does.
std::size_t numberEnd(std::string_view text, std::size_t start) {
  std::size_t i = start;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  const std::size_t integerEnd = skipDigits(text, i);
  std::size_t end = integerEnd;
  bool anyDigit = integerEnd > i;
  if (end < text.size() && text[end] == '.') {
    const std::size_t fractionEnd = skipDigits(text, end + 1);
    anyDigit = anyDigit || fractionEnd > end + 1;
    end = fractionEnd;
  }
  if (!anyDigit) return start;
  if (end < text.size() && (text[end] == 'e' || text[end] == 'E')) {
    std::size_t j = end + 1;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
    const std::size_t exponentEnd = skipDigits(text, j);
    if (exponentEnd > j) end = exponentEnd;
  }
  return end;
}

// The C library converts correctly rounded; given the C locale explicitly,
// it reads "." as the point even where the toolkit has set the desktop's
// locale, whose point may be ",".
double toDouble(const std::string& number) {
  static const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t{});
  return strtod_l(number.c_str(), nullptr, c);
}

}  // namespace

std::optional<LeadingNumber> ReadLeadingNumber(std::string_view text) {
  std::size_t start = 0;
  while (start < text.size() && (text[start] == ' ' || text[start] == '\t')) ++start;
  const std::size_t end = numberEnd(text, start);
  if (end == start) return std::nullopt;
  return LeadingNumber{toDouble(std::string(text.substr(start, end - start))), end};
}

std::optional<long long> ReadInteger(std::string_view text) {
  long long value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (text.empty() || stop != end) return std::nullopt;
  if (error == std::errc::result_out_of_range) return text[0] == '-' ? LLONG_MIN : LLONG_MAX;
  if (error != std::errc()) return std::nullopt;
  return value;
}

double RoundHalfToEven(double value) {
  double rounded = std::floor(value);
  // Exact below 2^52, and 0 beyond, where every double is whole; NaN for an
  // infinity, which then compares false below.
  const double fraction = value - rounded;
  if (fraction > 0.5 || (fraction == 0.5 && std::fmod(rounded, 2.0) != 0.0)) rounded += 1.0;
  return rounded;
}

double Snapped(double value) { return std::round(value * 0x1p32) / 0x1p32; }

}  // namespace dct
