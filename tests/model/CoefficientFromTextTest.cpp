#include <gtest/gtest.h>

#include <string>

#include "CoefficientFromText.h"

namespace dct {
namespace {

struct TextCase {
  const char* name;
  std::string text;
  std::int16_t expected;
  friend void PrintTo(const TextCase& c, std::ostream* os) { *os << c.name; }
};

class CoefficientFromTextTest : public testing::TestWithParam<TextCase> {};

TEST_P(CoefficientFromTextTest, ReadsTheBoxText) {
  EXPECT_EQ(CoefficientFromText(GetParam().text), GetParam().expected)
      << "text \"" << GetParam().text.substr(0, 40) << "\"";
}

std::string caseName(const testing::TestParamInfo<TextCase>& info) { return info.param.name; }

INSTANTIATE_TEST_SUITE_P(
    PlainNumbers, CoefficientFromTextTest,
    testing::Values(TextCase{"limit_100", "100", 100}, TextCase{"above_limit_101", "101", 100},
                    TextCase{"int16_max", "32767", 100}, TextCase{"limit_minus_100", "-100", -100},
                    TextCase{"below_limit_minus_101", "-101", -100},
                    TextCase{"int16_min", "-32768", -100}, TextCase{"negative", "-7", -7},
                    TextCase{"digits_then_letters", "12abc", 12},
                    TextCase{"half_to_even_down", "0.5", 0}, TextCase{"half_to_even_up", "1.5", 2},
                    TextCase{"two_and_a_half", "2.5", 2}, TextCase{"three_and_a_half", "3.5", 4},
                    TextCase{"minus_two_and_a_half", "-2.5", -2},
                    TextCase{"empty", "", 0}, TextCase{"letters", "abc", 0},
                    TextCase{"lone_minus", "-", 0}),
    caseName);

}  // namespace
}  // namespace dct
