#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace dct {

// A decimal number found at the start of a text.
struct LeadingNumber {
  // The double nearest the number: ±infinity beyond the largest double, ±0
  // below the smallest.
  double value;
  // How many characters it took, leading blanks included.
  std::size_t length;
};

// The longest leading decimal number of the text: blanks (spaces and tabs),
// an optional "+" or "-", digits with an optional "." (a digit on at least
// one side of it), and an optional exponent ("e" or "E", an optional sign and
// at least one digit; an "e" without digits is not part of the number). The
// point is "." whatever the locale. Nothing when the text does not begin
// with such a number. Any text is read, however long.
std::optional<LeadingNumber> ReadLeadingNumber(std::string_view text);

// The whole text as a decimal integer: an optional "-" and at least one
// digit, nothing before or after (no blanks, no "+", no exponent). Nothing
// for any other text. A number beyond the range of long long gives the limit
// of its sign, so that any narrower range still refuses it.
std::optional<long long> ReadInteger(std::string_view text);

// The nearest whole number, a half going to the even neighbour (2.5 gives 2,
// 3.5 gives 4, -2.5 gives -2). Infinities are returned as they are.
double RoundHalfToEven(double value);

// The nearest multiple of 2^-32: far finer than anything shown, and far
// coarser than the 1e-11 by which builds of a transform can differ (their
// long double has 64, 113 or, under valgrind, 53 bits; their library's cos
// its own last bit). A value that is a half or a whole number in exact
// arithmetic then comes out as one on every build, and rounds alike.
double Snapped(double value);

}  // namespace dct
