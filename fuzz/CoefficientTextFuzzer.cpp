// Checks CoefficientFromText against docs/lesson.md's account of a
// coefficient box written another way: a regular expression of the accepted
// forms finds the longest leading number, the C library's strtod converts it,
// nearbyint rounds it half to even, and it is limited to -100..100.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <regex>
#include <string>

#include "model/CoefficientFromText.h"

namespace {

// Blanks, a sign, digits with a point that has a digit on at least one side,
// and an exponent with digits. Each part takes all it can and the parts after
// it are optional, so the first match found is also the longest.
const std::regex kLeadingNumber(R"([ \t]*([+-]?([0-9]+(\.[0-9]*)?|\.[0-9]+)([eE][+-]?[0-9]+)?))");

// libstdc++ matches by recursion, a few calls for each character taken: a
// match of about 30,000 characters overflowed an 8 MiB stack under
// AddressSanitizer. Longer texts are left to the unit tests; libFuzzer's
// inputs stay within this bound unless -max_len asks for more.
constexpr std::size_t kLongestChecked = 4096;

int reference(const std::string& text) {
  std::smatch match;
  if (!std::regex_search(text, match, kLeadingNumber, std::regex_constants::match_continuous)) {
    return 0;
  }
  const double value = std::strtod(match.str(1).c_str(), nullptr);
  if (std::isinf(value)) return value > 0 ? 100 : -100;
  const double rounded = std::nearbyint(value);
  return rounded > 100 ? 100 : rounded < -100 ? -100 : static_cast<int>(rounded);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size > kLongestChecked) return 0;
  const std::string text(reinterpret_cast<const char*>(data), size);
  const int got = dct::CoefficientFromText(text);
  const int expected = reference(text);
  if (got != expected) {
    std::fprintf(stderr, "CoefficientFromText gave %d, the documented reading %d\n", got, expected);
    std::abort();
  }
  return 0;
}
