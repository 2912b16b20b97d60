#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>

#include "cli/TableReader.h"
#include "tests/cli/TempFolder.h"

namespace dct::cli {
namespace {

// 64 distinct values, so that any shift or reordering shows, from the lowest
// to the highest 16-bit value.
int Entry(int index) { return index == 0 ? -32768 : index == 63 ? 32767 : index * 37 - 1000; }

// The entries 0..count-1, with `word` in place of entry `replaced`.
std::string Numbers(int count, const char* separator = " ", int replaced = -1,
                    const std::string& word = "") {
  std::string text;
  for (int i = 0; i < count; ++i) {
    text +=
        (i == replaced ? word : std::to_string(Entry(i % 64))) + (i % 8 == 7 ? "\n" : separator);
  }
  return text;
}

TEST(ReadTableTest, ReadsTheNumbersInIndexOrderWhateverTheBlanks) {
  for (const std::string& text :
       {Numbers(64), Numbers(64, "\t") + "\r\n", "\n  " + Numbers(64, "\r\n \v\f ") + "  \n\n"}) {
    std::istringstream in(text);
    const auto table = ReadTable(in);
    ASSERT_TRUE(table.ok()) << table.error();
    for (int i = 0; i < 64; ++i) ASSERT_EQ(table.value().at(i), Entry(i)) << "index " << i;
  }
}

struct BadTableCase {
  const char* name;
  std::string text;
  std::string reason;
  friend void PrintTo(const BadTableCase& c, std::ostream* os) { *os << c.name; }
};

class ReadTableRefusesTest : public testing::TestWithParam<BadTableCase> {};

TEST_P(ReadTableRefusesTest, SayingWhatIsWrong) {
  std::istringstream in(GetParam().text);
  const auto table = ReadTable(in);
  ASSERT_FALSE(table.ok());
  EXPECT_EQ(table.error(), GetParam().reason);
}

INSTANTIATE_TEST_SUITE_P(
    Faults, ReadTableRefusesTest,
    testing::Values(
        BadTableCase{"empty", " \n\t\n", "ends after 0 of the 64 numbers"},
        BadTableCase{"one_short", Numbers(63), "ends after 63 of the 64 numbers"},
        BadTableCase{"one_too_many", Numbers(65), "holds more than 64 numbers"},
        // Only a block may end in dct-block's "clipped:" line.
        BadTableCase{"clipped_line", Numbers(64) + "clipped: no\n",
                     "word 65 'clipped:' is not a number"},
        BadTableCase{"word", Numbers(64, " ", 5, "abc"),
                     "number 6 (F(5,0)) 'abc' is not a decimal integer"},
        BadTableCase{"comma_after_last", Numbers(64, " ", 63, "-1,"),
                     "number 64 (F(7,7)) '-1,' is not a decimal integer"},
        BadTableCase{"above_16_bits", Numbers(64, " ", 9, "32768"),
                     "number 10 (F(1,1)) '32768' is outside -32768..32767"},
        BadTableCase{"endless_word", Numbers(64, " ", 8, std::string(100000, '7')),
                     "number 9 (F(0,1)) '777777777777...' is too long"},
        BadTableCase{
            "nul_bytes", std::string(64, '\0'),
            "number 1 (F(0,0)) '\\x00\\x00\\x00\\x00\\x00\\x00\\x00\\x00\\x00\\x00\\x00\\x00...' "
            "is too long"}),
    [](const testing::TestParamInfo<BadTableCase>& info) { return std::string(info.param.name); });

struct PixelWordCase {
  const char* name;
  PixelForm form;
  std::string word;
  double value;        // when accepted
  std::string reason;  // after "number 14 (x=5, y=1) 'word' ", when refused
  friend void PrintTo(const PixelWordCase& c, std::ostream* os) { *os << c.name; }
};

class ReadBlockTest : public testing::TestWithParam<PixelWordCase> {};

// The word stands at pixel 8·y + x = 13 among the values 1..64, so that a
// value landing elsewhere shows.
TEST_P(ReadBlockTest, ReadsTheNearestDoubleOrSaysWhatIsWrong) {
  const PixelWordCase& c = GetParam();
  std::string text;
  for (int i = 0; i < 64; ++i) text += (i == 13 ? c.word : std::to_string(i + 1)) + "\n";
  std::istringstream in(text);

  const auto block = ReadBlock(in, c.form);

  if (!c.reason.empty()) {
    ASSERT_FALSE(block.ok());
    EXPECT_EQ(block.error(), "number 14 (x=5, y=1) '" + c.word + "' " + c.reason);
    return;
  }
  ASSERT_TRUE(block.ok()) << block.error();
  for (std::size_t p = 0; p < 64; ++p) {
    ASSERT_EQ(block.value()[p], p == 13 ? c.value : static_cast<double>(p + 1)) << p;
  }
  EXPECT_EQ(std::signbit(block.value()[13]), std::signbit(c.value));
}

constexpr PixelForm kSums = PixelForm::Sums;
constexpr PixelForm kLevels = PixelForm::Levels;

INSTANTIATE_TEST_SUITE_P(
    Words, ReadBlockTest,
    testing::Values(
        PixelWordCase{"point_first", kSums, "-.5", -0.5, ""},
        PixelWordCase{"exponent", kSums, "25E-1", 2.5, ""},
        PixelWordCase{"all_digits", kSums, "-3.5527136788005009e-15", -3.5527136788005009e-15, ""},
        PixelWordCase{"largest_sum", kSums, "-2097152.0", -2097152, ""},
        PixelWordCase{"below_any_double", kSums, "-1e-400", -0.0, ""},
        PixelWordCase{"whole_level", kLevels, "-127", -127, ""},
        PixelWordCase{"decimal_comma", kSums, "1,5", 0, "is not a decimal number"},
        PixelWordCase{"plus_sign", kSums, "+1", 0, "is not a decimal number"},
        PixelWordCase{"trailing_point", kSums, "5.", 5, ""},
        PixelWordCase{"infinity", kSums, "inf", 0, "is not a decimal number"},
        PixelWordCase{"not_a_number", kSums, "nan", 0, "is not a decimal number"},
        PixelWordCase{"exponent_without_digits", kSums, "1e", 0, "is not a decimal number"},
        PixelWordCase{"hexadecimal", kSums, "0x10", 0, "is not a decimal number"},
        PixelWordCase{"beyond_any_sum", kSums, "2097152.5", 0, "is outside -2097152..2097152"},
        PixelWordCase{"beyond_any_double", kSums, "1e400", 0, "is outside -2097152..2097152"},
        PixelWordCase{"level_with_decimals", kLevels, "3.0", 0,
                      "is not a decimal integer (--levels takes whole pixel values)"},
        PixelWordCase{"level_beyond_the_window", kLevels, "128", 0,
                      "is outside -127..127 (--levels takes whole pixel values)"}),
    [](const testing::TestParamInfo<PixelWordCase>& info) { return std::string(info.param.name); });

struct BlockEndCase {
  const char* name;
  std::string end;     // after the 64 values
  std::string reason;  // empty when accepted
  friend void PrintTo(const BlockEndCase& c, std::ostream* os) { *os << c.name; }
};

class ReadBlockEndTest : public testing::TestWithParam<BlockEndCase> {};

TEST_P(ReadBlockEndTest, TakesDctBlocksClippedLineAndNamesAnyOtherWord) {
  std::istringstream in(Numbers(64) + GetParam().end);
  const auto block = ReadBlock(in, kSums);
  if (GetParam().reason.empty()) {
    ASSERT_TRUE(block.ok()) << block.error();
    EXPECT_EQ(block.value()[63], 32767);
  } else {
    ASSERT_FALSE(block.ok());
    EXPECT_EQ(block.error(), GetParam().reason);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Ends, ReadBlockEndTest,
    testing::Values(BlockEndCase{"nothing", "", ""},
                    BlockEndCase{"clipped_yes", "clipped: yes\n", ""},
                    BlockEndCase{"clipped_no_unfinished", "clipped: no", ""},
                    BlockEndCase{"then_a_number", "clipped: no 5", "holds more than 64 numbers"},
                    BlockEndCase{"clipped_twice", "clipped: no\nclipped: no\n",
                                 "word 67 'clipped:' is not a number"},
                    BlockEndCase{"unanswered", "clipped: maybe",
                                 "word 65 'clipped:' is not a number"},
                    BlockEndCase{"a_word", "abc", "word 65 'abc' is not a number"},
                    BlockEndCase{"a_decimal", "-0.5", "holds more than 64 numbers"}),
    [](const testing::TestParamInfo<BlockEndCase>& info) { return std::string(info.param.name); });

TEST(LoadTableTest, ReadsAFileOrStandardInputAndNamesItInFailures) {
  test::TempFolder folder;
  const std::string good = folder.file("good"), bad = folder.file("bad");
  test::WriteText(good, Numbers(64));
  test::WriteText(bad, Numbers(10));
  std::istringstream unused, standardInput(Numbers(3));

  const auto fromFile = LoadTable(good, unused);
  ASSERT_TRUE(fromFile.ok()) << fromFile.error();
  EXPECT_EQ(fromFile.value().at(42), Entry(42));
  EXPECT_EQ(LoadTable(bad, unused).error(),
            "'--table " + bad + "': ends after 10 of the 64 numbers");
  EXPECT_EQ(LoadTable("-", standardInput).error(), "'--table -': ends after 3 of the 64 numbers");
  EXPECT_EQ(LoadTable(folder.file("none"), unused).error(),
            "'--table " + folder.file("none") + "': cannot be opened: No such file or directory");
  // Read errors, not tables that end early.
  EXPECT_EQ(LoadTable(folder.file(""), unused).error(),
            "'--table " + folder.file("") + "': cannot be read: Is a directory");
  EXPECT_EQ(LoadTable("/proc/self/mem", unused).error(),
            "'--table /proc/self/mem': cannot be read: Input/output error");
}

}  // namespace
}  // namespace dct::cli
