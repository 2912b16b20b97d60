// Checks CoefficientFromText against a slow, plain reading of the same rule:
// the longest leading decimal number, converted by the C library's strtod,
// rounded half to even by nearbyint, limited to -100..100.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "CoefficientFromText.h"

namespace {

bool digit(char c) { return c >= '0' && c <= '9'; }

std::size_t digitsFrom(std::string_view text, std::size_t i) {
  while (i < text.size() && digit(text[i])) ++i;
  return i;
}

// The leading number, or "" when the text does not begin with one.
std::string leadingNumber(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  const std::size_t start = i;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  const std::size_t integerEnd = digitsFrom(text, i);
  std::size_t end = integerEnd;
  bool anyDigit = integerEnd > i;
  if (end < text.size() && text[end] == '.') {
    const std::size_t fractionEnd = digitsFrom(text, end + 1);
    anyDigit = anyDigit || fractionEnd > end + 1;
    end = fractionEnd;
  }
  if (!anyDigit) return "";
  if (end < text.size() && (text[end] == 'e' || text[end] == 'E')) {
    std::size_t j = end + 1;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
    const std::size_t exponentEnd = digitsFrom(text, j);
    if (exponentEnd > j) end = exponentEnd;
  }
  return std::string(text.substr(start, end - start));
}

int reference(std::string_view text) {
  const std::string number = leadingNumber(text);
  if (number.empty()) return 0;
  double value = std::strtod(number.c_str(), nullptr);
  if (std::isinf(value)) return value > 0 ? 100 : -100;
  value = std::nearbyint(value);
  if (value > 100) return 100;
  if (value < -100) return -100;
  return static_cast<int>(value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const int got = dct::CoefficientFromText(text);
  const int expected = reference(text);
  if (got != expected) {
    std::fprintf(stderr, "CoefficientFromText gave %d, the plain reading %d\n", got, expected);
    std::abort();
  }
  return 0;
}
