#pragma once

#include <string_view>
#include <variant>

namespace dct {

// What a word "u,v=VALUE" sets: F(u,v), at index 8·v + u, to the value.
struct CoefficientSetting {
  int index;
  long long value;
};

// The first part of a word, from the left, that keeps it from setting a
// coefficient, so that a reader can say what to mend.
struct SettingFault {
  // Form: the word has no "," before its first "=".
  enum class Part { Form, U, V, Value } part;
  // The part is a whole number, but out of its range; else it is no number.
  bool outside;
};

// Reads "u,v=VALUE": u and v whole numbers within 0..7 and the value one
// within minValue..maxValue, each as ReadInteger reads it, so that "-1,0=5"
// has a bad u and "0,0=+5" a bad value.
std::variant<CoefficientSetting, SettingFault> ReadCoefficientSetting(std::string_view word,
                                                                      long long minValue,
                                                                      long long maxValue);

}  // namespace dct
