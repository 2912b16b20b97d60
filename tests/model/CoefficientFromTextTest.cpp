#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <ostream>
#include <random>
#include <string>

#include "model/CoefficientFromText.h"

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
    testing::Values(
        TextCase{"limit_100", "100", 100}, TextCase{"above_limit_101", "101", 100},
        TextCase{"int16_max", "32767", 100}, TextCase{"limit_minus_100", "-100", -100},
        TextCase{"below_limit_minus_101", "-101", -100}, TextCase{"int16_min", "-32768", -100},
        TextCase{"negative", "-7", -7}, TextCase{"digits_then_letters", "12abc", 12},
        TextCase{"half_to_even_down", "0.5", 0}, TextCase{"half_to_even_up", "1.5", 2},
        TextCase{"two_and_a_half", "2.5", 2}, TextCase{"three_and_a_half", "3.5", 4},
        TextCase{"minus_two_and_a_half", "-2.5", -2}, TextCase{"minus_one_and_a_half", "-1.5", -2},
        TextCase{"just_below_a_half", "0.49", 0}, TextCase{"just_above_a_half", "2.51", 3},
        TextCase{"minus_zero", "-0", 0}, TextCase{"minus_a_little", "-0.4", 0},
        TextCase{"leading_zeros", "007", 7}, TextCase{"second_point_ends_it", "1.5.9", 2},
        TextCase{"empty", "", 0}, TextCase{"letters", "abc", 0}, TextCase{"lone_minus", "-", 0}),
    caseName);

// The values that do not fit a signed 16-bit integer, however long or far out
// of range, give the limit of their sign; those too small to matter give 0.
INSTANTIATE_TEST_SUITE_P(
    OutOfRange, CoefficientFromTextTest,
    testing::Values(
        TextCase{"just_past_int16_max", "32768", 100},
        TextCase{"just_past_int16_min", "-32769", -100}, TextCase{"forty_thousand", "40000", 100},
        TextCase{"minus_forty_thousand", "-40000", -100},
        TextCase{"largest_five_digits_rounding_up", "99999.5", 100},
        TextCase{"six_digits", "100000", 100},
        TextCase{"thousand_digits", std::string(1000, '9'), 100},
        TextCase{"minus_thousand_digits", "-" + std::string(1000, '9'), -100},
        TextCase{"thousand_digits_then_a_fraction", std::string(1000, '1') + ".5", 100},
        TextCase{"beyond_a_double", "1e400", 100},
        TextCase{"minus_beyond_a_double", "-1e400", -100},
        TextCase{"largest_double_and_more", "1.8e308", 100},
        TextCase{"huge_exponent", "1e99999999999999999999999", 100},
        TextCase{"minus_huge_exponent", "-1e99999999999999999999999", -100},
        TextCase{"huge_exponent_on_a_fraction", "0.0001e99999999999999999999999", 100},
        TextCase{"below_a_double", "1e-400", 0}, TextCase{"minus_below_a_double", "-1e-400", 0},
        TextCase{"huge_negative_exponent", "7e-99999999999999999999999", 0},
        TextCase{"zero_with_huge_exponent", "0e99999999999999999999999", 0},
        TextCase{"thousand_leading_zeros", std::string(1000, '0') + "7", 7},
        TextCase{"thousand_zeros_after_the_point", "0." + std::string(1000, '0') + "9", 0},
        TextCase{"exponent_brings_it_back", "0.000045e6", 45},
        TextCase{"exponent_takes_it_out", "45e-5", 0}),
    caseName);

// Forms beyond the plain number that a user might type: blanks before it, a
// plus sign, a point with digits on one side only, and a decimal exponent.
INSTANTIATE_TEST_SUITE_P(
    AcceptedForms, CoefficientFromTextTest,
    testing::Values(
        TextCase{"leading_blanks", "   5", 5}, TextCase{"leading_tab", "\t-5", -5},
        TextCase{"blanks_and_tabs", " \t 12abc", 12}, TextCase{"trailing_blank", "8 ", 8},
        TextCase{"plus_sign", "+5", 5}, TextCase{"plus_half_to_even", "+2.5", 2},
        TextCase{"point_first_half", ".5", 0}, TextCase{"point_first", ".6", 1},
        TextCase{"minus_point_first", "-.6", -1}, TextCase{"point_last", "5.", 5},
        TextCase{"exponent", "1e2", 100}, TextCase{"capital_exponent", "1E2", 100},
        TextCase{"exponent_plus", "5e+1", 50}, TextCase{"exponent_minus", "500e-1", 50},
        TextCase{"exponent_after_point", "5.e1", 50}, TextCase{"exponent_to_a_half", "25e-1", 2},
        TextCase{"exponent_to_a_half_up", "155e-1", 16}, TextCase{"e_without_digits", "1e", 1},
        TextCase{"e_plus_without_digits", "1e+", 1}, TextCase{"e_minus_then_letter", "3e-x", 3},
        TextCase{"comma_is_no_point", "2,5", 2}, TextCase{"comma_after_digits", "2,9", 2}),
    caseName);

INSTANTIATE_TEST_SUITE_P(
    NotNumbers, CoefficientFromTextTest,
    testing::Values(TextCase{"inf", "inf", 0}, TextCase{"minus_infinity", "-infinity", 0},
                    TextCase{"nan", "nan", 0}, TextCase{"capital_nan", "NaN", 0},
                    TextCase{"hexadecimal", "0x10", 0}, TextCase{"hexadecimal_float", "0x1p3", 0},
                    TextCase{"two_minus_signs", "--5", 0}, TextCase{"minus_blank", "- 5", 0},
                    TextCase{"plus_minus", "+-5", 0}, TextCase{"lone_point", ".", 0},
                    TextCase{"minus_point", "-.", 0}, TextCase{"point_exponent", ".e5", 0},
                    TextCase{"exponent_alone", "e5", 0}, TextCase{"lone_plus", "+", 0},
                    TextCase{"blanks_only", " \t ", 0},
                    TextCase{"arabic_indic_three", "\xD9\xA3", 0},
                    TextCase{"fullwidth_seven", "\xEF\xBC\x97", 0},
                    TextCase{"digit_then_arabic_indic", "7\xD9\xA3", 7},
                    TextCase{"superscript_two", "\xC2\xB2", 0}),
    caseName);

// The text becomes a double first, and only that double is rounded: a tail
// too small for a double is gone before the half can go to even.
INSTANTIATE_TEST_SUITE_P(
    DoubleFirst, CoefficientFromTextTest,
    testing::Values(TextCase{"half_and_a_tail_lost", "2.50000000000000000001", 2},
                    TextCase{"half_and_a_tail_after_a_thousand_zeros",
                             "2.5" + std::string(1000, '0') + "1", 2},
                    TextCase{"half_and_a_tail_under_half_an_ulp", "2.5000000000000001", 2},
                    TextCase{"half_and_a_tail_of_an_ulp", "2.5000000000000004", 3},
                    TextCase{"below_a_half_lost", "0.49999999999999999999", 0},
                    TextCase{"below_one_and_a_half_lost", "1.49999999999999999999", 2}),
    caseName);

// An independent reading of the same texts: the C library's strtod in the
// "C" locale reads exactly the forms accepted above (the texts below avoid
// the extra forms it knows: hexadecimal, inf, nan and other white space),
// and nearbyint rounds half to even in the default rounding mode.
std::int16_t referenceCoefficient(const std::string& text) {
  const double rounded = std::nearbyint(std::strtod(text.c_str(), nullptr));
  if (rounded > 100) return 100;
  if (rounded < -100) return -100;
  return static_cast<std::int16_t>(rounded);
}

std::string randomText(std::mt19937& generator) {
  static const char* const kPieces[] = {" ",
                                        "\t",
                                        "+",
                                        "-",
                                        ".",
                                        "e",
                                        "E",
                                        ",",
                                        "a",
                                        "0",
                                        "5",
                                        "1",
                                        "49",
                                        "50",
                                        "9999",
                                        "00000000000000000000",
                                        "e400",
                                        "e-400",
                                        "e99999999999999999999"};
  std::uniform_int_distribution<std::size_t> piece(0, std::size(kPieces) - 1);
  std::uniform_int_distribution<int> digit(0, 9);
  std::uniform_int_distribution<int> length(0, 9);
  std::string text;
  for (int n = length(generator); n > 0; --n) {
    if (digit(generator) < 4) {
      text += static_cast<char>('0' + digit(generator));
    } else {
      text += kPieces[piece(generator)];
    }
  }
  return text;
}

TEST(CoefficientFromTextAgreementTest, ReadsRandomTextsAsTheCLibraryDoes) {
  ASSERT_STREQ(std::setlocale(LC_NUMERIC, nullptr), "C");
  std::mt19937 generator(1709);
  for (int i = 0; i < 200000; ++i) {
    const std::string text = randomText(generator);
    ASSERT_EQ(CoefficientFromText(text), referenceCoefficient(text)) << "text \"" << text << "\"";
  }
}

TEST(CoefficientFromTextAgreementTest, NeverLeavesTheRangeWhateverTheBytes) {
  std::mt19937 generator(4242);
  std::uniform_int_distribution<int> byte(0, 255);
  std::uniform_int_distribution<int> length(0, 40);
  for (int i = 0; i < 100000; ++i) {
    std::string text;
    for (int n = length(generator); n > 0; --n) text += static_cast<char>(byte(generator));
    const std::int16_t value = CoefficientFromText(text);
    ASSERT_GE(value, kCoefMin);
    ASSERT_LE(value, kCoefMax);
  }
}

// A Portuguese desktop uses ',' as its decimal separator; the box text must
// read the same there. Makes such a locale from the system's sources when
// none is installed, and sets it for as long as it lives.
class CommaLocale {
 public:
  CommaLocale() {
    const char* current = std::setlocale(LC_ALL, nullptr);
    saved_ = current ? current : "C";
    for (const char* name : {"pt_PT.UTF-8", "pt_BR.UTF-8", "de_DE.UTF-8", "fr_FR.UTF-8"}) {
      if (trySet(name)) return;
    }
#if defined(__linux__)
    const std::string folder = testing::TempDir() + "dct-locales";
    const std::string command = "mkdir -p '" + folder + "' && localedef -i pt_PT -f UTF-8 '" +
                                folder + "/pt_PT.UTF-8' >/dev/null 2>&1";
    if (std::system(command.c_str()) == 0 && setenv("LOCPATH", folder.c_str(), 1) == 0) {
      trySet("pt_PT.UTF-8");
    }
#endif
  }
  ~CommaLocale() { std::setlocale(LC_ALL, saved_.c_str()); }
  CommaLocale(const CommaLocale&) = delete;
  CommaLocale& operator=(const CommaLocale&) = delete;

  bool active() const { return active_; }

 private:
  bool trySet(const char* name) {
    active_ = std::setlocale(LC_ALL, name) != nullptr &&
              std::strcmp(std::localeconv()->decimal_point, ",") == 0;
    return active_;
  }

  std::string saved_;
  bool active_ = false;
};

TEST(CoefficientFromTextLocaleTest, ReadsThePointWhereTheDesktopUsesAComma) {
  const CommaLocale locale;
  if (!locale.active()) GTEST_SKIP() << "no locale with a decimal comma can be had here";
  EXPECT_EQ(CoefficientFromText("2.5"), 2);
  EXPECT_EQ(CoefficientFromText("3.5"), 4);
  EXPECT_EQ(CoefficientFromText("-0.6"), -1);
  EXPECT_EQ(CoefficientFromText("2,5"), 2);
  EXPECT_EQ(CoefficientFromText("2,9"), 2);
  EXPECT_EQ(CoefficientFromText("1e400"), 100);
}

}  // namespace
}  // namespace dct
