#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "model/CoefTable.h"
#include "model/TransformModel.h"

namespace dct {
namespace {

TEST(TransformModelTest, StartsWithEveryEntryAndTheSelectionAtZero) {
  const TransformModel model;
  for (int i = 0; i < kCoefTableSize; ++i) EXPECT_EQ(model.Coef.at(i), 0) << "entry " << i;
  EXPECT_EQ(model.SelIndex, 0);
}

TEST(CoefTableTest, AcceptsEveryIndexUpToAndIncluding64) {
  CoefTable table;
  table.set(64, 7);
  table.set(0, -100);
  EXPECT_EQ(table.at(64), 7);
  EXPECT_EQ(table.at(0), -100);
}

struct RefusedIndex {
  const char* name;
  long long index;
  friend void PrintTo(const RefusedIndex& c, std::ostream* os) { *os << c.name; }
};

class CoefTableRefusesTest : public testing::TestWithParam<RefusedIndex> {};

TEST_P(CoefTableRefusesTest, ReadAndWriteFailWithAMessageNamingTheIndex) {
  CoefTable table;
  const long long index = GetParam().index;
  const std::string named = "Coef index " + std::to_string(index) + " ";
  try {
    (void)table.at(index);
    FAIL() << "read of " << index << " was accepted";
  } catch (const CoefIndexError& error) {
    EXPECT_EQ(error.index(), index);
    EXPECT_NE(std::string(error.what()).find(named), std::string::npos) << error.what();
  }
  EXPECT_THROW(table.set(index, 1), CoefIndexError);
  EXPECT_EQ(table, CoefTable{}) << "a refused write changed the table";
}

INSTANTIATE_TEST_SUITE_P(, CoefTableRefusesTest,
                         testing::Values(RefusedIndex{"just_past_the_end", 65},
                                         RefusedIndex{"minus_one", -1},
                                         RefusedIndex{"far_past_the_end", 1LL << 40},
                                         RefusedIndex{"lowest_long_long", LLONG_MIN},
                                         RefusedIndex{"wraps_to_small_as_32_bits", 1LL << 32}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace dct
