// The page's link: what a fragment gives, and that the fragment written for a
// table gives that table back.
#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "model/link/BlockLink.h"
#include "model/link/PageLink.h"

namespace dct {
namespace {

// Index and value of each coefficient set; the others are 0.
using Coefficients = std::vector<std::pair<int, std::int16_t>>;

CoefTable tableOf(const Coefficients& coefficients) {
  CoefTable table;
  for (const auto& [index, value] : coefficients) table.set(index, value);
  return table;
}

std::string repeated(const std::string& part, int times) {
  std::string text;
  for (int i = 0; i < times; ++i) text += part;
  return text;
}

// All 64 coefficients at -100: the longest fragment a window can make.
std::string longestLink() {
  std::string link;
  for (int i = 0; i < kGridCount; ++i) {
    if (i > 0) link += '&';
    link += std::to_string(i % kGridSide) + ',' + std::to_string(i / kGridSide) + "=-100";
  }
  return link;
}

Coefficients allAt(std::int16_t value) {
  Coefficients all;
  for (int i = 0; i < kGridCount; ++i) all.push_back({i, value});
  return all;
}

struct LinkCase {
  const char* name;
  std::string fragment;
  std::optional<Coefficients> read;  // nothing: the fragment is ignored whole
  std::string written;               // the fragment written for the table read
  friend void PrintTo(const LinkCase& c, std::ostream* os) { *os << c.name; }
};

const std::vector<LinkCase> kCases = {
    {"Empty", "", Coefficients{}, ""},
    {"Two", "0,0=100&1,0=-40", Coefficients{{0, 100}, {1, -40}}, "0,0=100&1,0=-40"},
    {"ColumnThenRow", "3,5=7", Coefficients{{43, 7}}, "3,5=7"},
    {"LastAtTheLimit", "7,7=-100", Coefficients{{63, -100}}, "7,7=-100"},
    {"OutOfOrderIsWrittenByIndex", "1,0=5&0,0=3", Coefficients{{1, 5}, {0, 3}}, "0,0=3&1,0=5"},
    {"ZeroIsNotWritten", "2,3=0&4,4=1", Coefficients{{26, 0}, {36, 1}}, "4,4=1"},
    {"LeadingZeros", "00,0=007", Coefficients{{0, 7}}, "0,0=7"},
    {"Longest", longestLink(), allAt(-100), longestLink()},
    {"ColumnBeyond7", "8,0=1", std::nullopt, ""},
    {"RowBeyond7", "0,8=1", std::nullopt, ""},
    {"NegativeColumn", "-1,0=1", std::nullopt, ""},
    {"ValueAbove100", "0,0=101", std::nullopt, ""},
    {"ValueBelowMinus100", "0,0=-101", std::nullopt, ""},
    {"ValueBeyondAnyInteger", "0,0=99999999999999999999", std::nullopt, ""},
    {"OneBadPartAmongGoodOnes", "0,0=5&1,0=x&2,0=7", std::nullopt, ""},
    {"SameCoefficientTwice", "0,0=1&1,0=2&0,0=1", std::nullopt, ""},
    {"Junk", "hello", std::nullopt, ""},
    {"TrailingAmpersand", "0,0=5&", std::nullopt, ""},
    {"LeadingAmpersand", "&0,0=5", std::nullopt, ""},
    {"MissingValue", "0,0=", std::nullopt, ""},
    {"MissingColumn", ",0=1", std::nullopt, ""},
    {"MissingRow", "0,=1", std::nullopt, ""},
    {"NoEquals", "0,0", std::nullopt, ""},
    {"EqualsBeforeComma", "0=1,0", std::nullopt, ""},
    {"PlusSign", "0,0=+5", std::nullopt, ""},
    {"Space", "0,0= 5", std::nullopt, ""},
    {"Fraction", "0,0=1.5", std::nullopt, ""},
    {"Markup", "<img src=x onerror=alert(1)>", std::nullopt, ""},
    // The limit is 64 times "7,7=-100&", a character more than the longest.
    {"LongestWithAZeroMore", "0,0=-0100" + longestLink().substr(8), allAt(-100), longestLink()},
    // Readable but for its length, 577 characters: the longest with two zeros more.
    {"LongerThanAnyWindowMakes", "0,0=-00100" + longestLink().substr(8), std::nullopt, ""},
    {"HundredKilobytes", repeated("0,0=1&", 17000) + "0,0=1", std::nullopt, ""},
};

class BlockLinkTest : public testing::TestWithParam<LinkCase> {};

// The same fragment read as a page's address gives the same table, from a
// whole address too; what it writes back reads as the same table again.
TEST_P(BlockLinkTest, ReadsTheFragmentAndWritesItBackByIndex) {
  const LinkCase& c = GetParam();
  const auto read = ReadBlockLink(c.fragment);
  ASSERT_EQ(read.has_value(), c.read.has_value());
  const PageLink page = ReadPageLink("file:///tmp/transformada-dct.html?seed=1#" + c.fragment);
  if (!read) {
    EXPECT_EQ(page.kind, LinkKind::Unreadable);
    return;
  }
  const CoefTable table = tableOf(*c.read);
  EXPECT_EQ(*read, table);
  EXPECT_EQ(page.kind, c.fragment.empty() ? LinkKind::None : LinkKind::Block);
  EXPECT_EQ(BlockLink(table), c.written);
  EXPECT_EQ(PageFragment({LinkKind::Block, table}), c.written);
  const auto again = ReadBlockLink(c.written);
  ASSERT_TRUE(again.has_value());
  EXPECT_EQ(*again, table);
}

INSTANTIATE_TEST_SUITE_P(, BlockLinkTest, testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace dct
