#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#include "model/CosineFactors.h"
#include "model/ReconstructBlock.h"
#include "tests/model/LiteralSums.h"

namespace dct {
namespace {

struct Entry {
  int index;
  std::int16_t value;
};
using Entries = std::vector<Entry>;

CoefTable tableOf(const Entries& entries) {
  CoefTable coef;
  for (const Entry& entry : entries) coef.set(entry.index, entry.value);
  return coef;
}

int pixelAt(int x, int y) { return x + kGridSide * y; }

struct CaseName {
  template <class Info>
  std::string operator()(const Info& info) const {
    return info.param.name;
  }
};

// ---------------------------------------------------------------------------
// Pixel values along a line of the block, and the clipped flag.

enum class Line { EveryRow, EveryColumn, TopRow, RightColumn, Diagonal };

struct LineCase {
  const char* name;
  Entries entries;
  Line line;
  std::array<int, kGridSide> values;
  bool clipped;
  friend void PrintTo(const LineCase& c, std::ostream* os) { *os << c.name; }
};

// The pixel indices that a line's values are read from, one list per copy of
// the line that must read the same.
std::vector<std::array<int, kGridSide>> linesOf(Line line) {
  std::vector<std::array<int, kGridSide>> lines;
  for (int n = 0; n < kGridSide; ++n) {
    std::array<int, kGridSide> pixels{};
    for (int i = 0; i < kGridSide; ++i) {
      switch (line) {
        case Line::EveryRow:
          pixels[i] = pixelAt(i, n);
          break;
        case Line::EveryColumn:
          pixels[i] = pixelAt(n, i);
          break;
        case Line::TopRow:
          pixels[i] = pixelAt(i, 0);
          break;
        case Line::RightColumn:
          pixels[i] = pixelAt(kGridSide - 1, i);
          break;
        case Line::Diagonal:
          pixels[i] = pixelAt(i, i);
          break;
      }
    }
    lines.push_back(pixels);
    if (line != Line::EveryRow && line != Line::EveryColumn) break;
  }
  return lines;
}

class ReconstructBlockLineTest : public testing::TestWithParam<LineCase> {};

TEST_P(ReconstructBlockLineTest, ReadsTheValuesAndTheClippedFlag) {
  const PixelBlock block = ReconstructBlock(tableOf(GetParam().entries));
  for (const auto& pixels : linesOf(GetParam().line)) {
    std::array<int, kGridSide> read{};
    for (int i = 0; i < kGridSide; ++i) read[i] = block.Pixel[pixels[i]];
    EXPECT_EQ(read, GetParam().values) << "line starting at pixel " << pixels[0];
  }
  EXPECT_EQ(block.Clipped, GetParam().clipped);
}

constexpr std::array<int, kGridSide> kCosineRow{98, 83, 55, 19, -20, -56, -84, -99};
template <class T>
constexpr std::array<T, kGridSide> same(T value) {
  return {value, value, value, value, value, value, value, value};
}

INSTANTIATE_TEST_SUITE_P(
    , ReconstructBlockLineTest,
    testing::Values(
        LineCase{"all_entries_zero", {}, Line::EveryRow, same(0), false},
        LineCase{"entry_0_is_100", {{0, 100}}, Line::EveryRow, same(100), false},
        LineCase{"entry_0_is_minus_100", {{0, -100}}, Line::EveryRow, same(-100), false},
        LineCase{"entry_0_is_127", {{0, 127}}, Line::EveryRow, same(127), false},
        LineCase{"entry_0_is_128", {{0, 128}}, Line::EveryRow, same(127), true},
        LineCase{"entry_0_is_minus_127", {{0, -127}}, Line::EveryRow, same(-127), false},
        LineCase{"entry_0_is_minus_128", {{0, -128}}, Line::EveryRow, same(-127), true},
        LineCase{"entry_0_is_int16_max", {{0, 32767}}, Line::EveryRow, same(127), true},
        LineCase{"entry_0_is_int16_min", {{0, -32768}}, Line::EveryRow, same(-127), true},
        LineCase{"entry_1_is_100", {{1, 100}}, Line::EveryRow, kCosineRow, false},
        LineCase{"entry_1_is_minus_100",
                 {{1, -100}},
                 Line::EveryRow,
                 {-99, -84, -56, -20, 19, 55, 83, 98},
                 false},
        LineCase{"entry_8_is_100", {{8, 100}}, Line::EveryColumn, kCosineRow, false},
        LineCase{"entry_1_is_1", {{1, 1}}, Line::EveryRow, {0, 0, 0, 0, -1, -1, -1, -1}, false},
        LineCase{"entry_8_is_minus_1",
                 {{8, -1}},
                 Line::EveryColumn,
                 {-1, -1, -1, -1, 0, 0, 0, 0},
                 false},
        LineCase{"entry_36_is_100_top_row",
                 {{36, 100}},
                 Line::TopRow,
                 {50, -50, -51, 49, 50, -50, -51, 49},
                 false},
        LineCase{"entries_0_and_1_are_100",
                 {{0, 100}, {1, 100}},
                 Line::EveryRow,
                 {127, 127, 127, 119, 80, 44, 16, 1},
                 true},
        LineCase{"sum_127_08_stays_unclipped",
                 {{0, 29}, {1, -100}},
                 Line::RightColumn,
                 same(127),
                 false},
        LineCase{"sum_128_08_is_clipped", {{0, 30}, {1, -100}}, Line::RightColumn, same(127), true},
        LineCase{"sum_minus_126_08_stays_unclipped",
                 {{0, -28}, {1, 100}},
                 Line::RightColumn,
                 same(-127),
                 false},
        LineCase{"sum_minus_127_08_is_clipped",
                 {{0, -29}, {1, 100}},
                 Line::RightColumn,
                 same(-127),
                 true},
        LineCase{"transposed_pair_leaves_minus_ulps_on_the_diagonal",
                 {{17, 100}, {10, -100}},
                 Line::Diagonal,
                 {0, -1, 0, 0, -1, 0, -1, 0},
                 true},
        LineCase{"transposed_pair_swapped_leaves_plus_ulps_on_the_diagonal",
                 {{10, 100}, {17, -100}},
                 Line::Diagonal,
                 same(0),
                 true},
        LineCase{"entry_64_is_never_read", {{64, 32767}}, Line::EveryRow, same(0), false}),
    CaseName{});

// ---------------------------------------------------------------------------
// The unrounded sums behind those pixels, to the digits given for them (or
// exactly, where the tolerance is 0).

struct SumLineCase {
  const char* name;
  Entries entries;
  Line line;
  std::array<double, kGridSide> sums;
  double tolerance;
  friend void PrintTo(const SumLineCase& c, std::ostream* os) { *os << c.name; }
};

class ComputeBlockSumsTest : public testing::TestWithParam<SumLineCase> {};

TEST_P(ComputeBlockSumsTest, LandWhereTheRoundingExpectsThem) {
  const BlockSums sums = ComputeBlockSums(tableOf(GetParam().entries));
  for (const auto& pixels : linesOf(GetParam().line)) {
    for (int i = 0; i < kGridSide; ++i) {
      EXPECT_NEAR(sums[pixels[i]], GetParam().sums[i], GetParam().tolerance)
          << "pixel " << pixels[i];
    }
  }
}

// 3.55e-15, one ulp of the two terms there (between 16 and 32 in size): all
// that is left of them when their products round apart.
constexpr double kTwoToMinus48 = 0x1p-48;

INSTANTIATE_TEST_SUITE_P(
    , ComputeBlockSumsTest,
    testing::Values(
        SumLineCase{"entry_1_is_100",
                    {{1, 100}},
                    Line::EveryRow,
                    {98.08, 83.15, 55.56, 19.51, -19.51, -55.56, -83.15, -98.08},
                    0.005},
        SumLineCase{"entry_36_is_100_top_row",
                    {{36, 100}},
                    Line::TopRow,
                    {50.0001, -49.9999, -50.0002, 49.9998, 50.0003, -49.9997, -50.0005, 49.9995},
                    0.00005},
        SumLineCase{"entries_0_and_1_are_100",
                    {{0, 100}, {1, 100}},
                    Line::EveryRow,
                    {198.08, 183.15, 155.56, 119.51, 80.49, 44.44, 16.85, 1.92},
                    0.005},
        SumLineCase{
            "right_column_127_08", {{0, 29}, {1, -100}}, Line::RightColumn, same(127.08), 0.005},
        SumLineCase{
            "right_column_128_08", {{0, 30}, {1, -100}}, Line::RightColumn, same(128.08), 0.005},
        SumLineCase{"right_column_minus_126_08",
                    {{0, -28}, {1, 100}},
                    Line::RightColumn,
                    same(-126.08),
                    0.005},
        SumLineCase{"right_column_minus_127_08",
                    {{0, -29}, {1, 100}},
                    Line::RightColumn,
                    same(-127.08),
                    0.005},
        SumLineCase{"transposed_pair_diagonal",
                    {{17, 100}, {10, -100}},
                    Line::Diagonal,
                    {0, -kTwoToMinus48, 0, 0, -kTwoToMinus48, 0, -kTwoToMinus48, 0},
                    0},
        SumLineCase{"transposed_pair_swapped_diagonal",
                    {{10, 100}, {17, -100}},
                    Line::Diagonal,
                    {0, kTwoToMinus48, 0, 0, kTwoToMinus48, 0, kTwoToMinus48, 0},
                    0}),
    CaseName{});

// ---------------------------------------------------------------------------
// What the grid shows of a pixel: its hint text and its grey.

struct LookCase {
  const char* name;
  Entries entries;
  int column;  // -1: every pixel of the block
  int value;
  const char* toolTip;
  Rgb colour;
  friend void PrintTo(const LookCase& c, std::ostream* os) { *os << c.name; }
};

class ReconstructBlockLookTest : public testing::TestWithParam<LookCase> {};

TEST_P(ReconstructBlockLookTest, ShowsTheValueAsTextAndGrey) {
  const LookCase& c = GetParam();
  const PixelBlock block = ReconstructBlock(tableOf(c.entries));
  for (int p = 0; p < kGridCount; ++p) {
    if (c.column >= 0 && p % kGridSide != c.column) continue;
    EXPECT_EQ(block.Pixel[p], c.value) << "pixel " << p;
    EXPECT_EQ(block.ToolTip[p], c.toolTip) << "pixel " << p;
    EXPECT_EQ(block.Colour[p], c.colour) << "pixel " << p;
  }
}

INSTANTIATE_TEST_SUITE_P(
    , ReconstructBlockLookTest,
    testing::Values(
        LookCase{"all_zero_is_mid_grey", {}, -1, 0, "0", 0x808080},
        LookCase{"entry_0_is_100", {{0, 100}}, -1, 100, "100", 0xE4E4E4},
        LookCase{"entry_0_is_minus_100", {{0, -100}}, -1, -100, "-100", 0x1C1C1C},
        LookCase{"entry_1_is_100_left_column", {{1, 100}}, 0, 98, "98", 0xE2E2E2},
        LookCase{"entry_1_is_100_fifth_column", {{1, 100}}, 4, -20, "-20", 0x6C6C6C},
        LookCase{"unclipped_127_is_white", {{0, 29}, {1, -100}}, 7, 127, "127", 0xFFFFFF},
        LookCase{"clipped_128_is_white", {{0, 30}, {1, -100}}, 7, 127, "127", 0xFFFFFF},
        LookCase{
            "unclipped_minus_127_is_near_black", {{0, -28}, {1, 100}}, 7, -127, "-127", 0x010101},
        LookCase{
            "clipped_minus_128_is_near_black", {{0, -29}, {1, 100}}, 7, -127, "-127", 0x010101},
        LookCase{"lowest_16_bit_entry_is_near_black", {{0, -32768}}, -1, -127, "-127", 0x010101}),
    CaseName{});

// ---------------------------------------------------------------------------
// Rounding down and clipping at their exact boundaries, on sums given directly.

struct SumCase {
  const char* name;
  double sum;
  int value;
  const char* toolTip;
  Rgb colour;
  bool clipped;
  friend void PrintTo(const SumCase& c, std::ostream* os) { *os << c.name; }
};

class ShadeBlockTest : public testing::TestWithParam<SumCase> {};

TEST_P(ShadeBlockTest, RoundsDownThenClips) {
  const SumCase& c = GetParam();
  BlockSums sums{};
  sums.fill(c.sum);
  const PixelBlock block = ShadeBlock(sums);
  for (int p = 0; p < kGridCount; ++p) {
    ASSERT_EQ(block.Pixel[p], c.value) << "pixel " << p;
    ASSERT_EQ(block.ToolTip[p], c.toolTip) << "pixel " << p;
    ASSERT_EQ(block.Colour[p], c.colour) << "pixel " << p;
  }
  EXPECT_EQ(block.Clipped, c.clipped);
}

// The same sum at one pixel among zeros, at every position in turn: it must
// neither lose its value nor lend it to a neighbour.
TEST_P(ShadeBlockTest, RoundsDownEachPixelOnItsOwn) {
  const SumCase& c = GetParam();
  for (int at = 0; at < kGridCount; ++at) {
    BlockSums sums{};
    sums[at] = c.sum;
    const PixelBlock block = ShadeBlock(sums);
    for (int p = 0; p < kGridCount; ++p) {
      ASSERT_EQ(block.Pixel[p], p == at ? c.value : 0) << "sum at " << at << ", pixel " << p;
    }
    ASSERT_EQ(block.ToolTip[at], c.toolTip) << "sum at " << at;
    ASSERT_EQ(block.Colour[at], c.colour) << "sum at " << at;
    ASSERT_EQ(block.Clipped, c.clipped) << "sum at " << at;
  }
}

constexpr double kMinDenormal = std::numeric_limits<double>::denorm_min();

INSTANTIATE_TEST_SUITE_P(
    , ShadeBlockTest,
    testing::Values(
        SumCase{"positive_19_51_rounds_down", 19.51, 19, "19", 0x939393, false},
        SumCase{"negative_19_51_rounds_away_from_zero", -19.51, -20, "-20", 0x6C6C6C, false},
        SumCase{"just_below_one", std::nextafter(1.0, 0.0), 0, "0", 0x808080, false},
        SumCase{"minus_zero", -0.0, 0, "0", 0x808080, false},
        SumCase{"smallest_negative", -kMinDenormal, -1, "-1", 0x7F7F7F, false},
        SumCase{"smallest_positive", kMinDenormal, 0, "0", 0x808080, false},
        SumCase{"exactly_127", 127.0, 127, "127", 0xFFFFFF, false},
        SumCase{"just_below_128", std::nextafter(128.0, 0.0), 127, "127", 0xFFFFFF, false},
        SumCase{"exactly_128", 128.0, 127, "127", 0xFFFFFF, true},
        SumCase{"exactly_minus_127", -127.0, -127, "-127", 0x010101, false},
        SumCase{"just_below_minus_127", std::nextafter(-127.0, -128.0), -127, "-127", 0x010101,
                true},
        SumCase{"largest_possible_sum", 64.0 * 32768.0, 127, "127", 0xFFFFFF, true},
        SumCase{"most_negative_possible_sum", -64.0 * 32768.0, -127, "-127", 0x010101, true}),
    CaseName{});

TEST(ShadeBlockLevelsTest, EveryValueHasItsTextAndItsGrey) {
  for (int value = -127; value <= 127; ++value) {
    BlockSums sums{};
    sums.fill(value + 0.5);
    const PixelBlock block = ShadeBlock(sums);
    char text[8];
    std::snprintf(text, sizeof text, "%d", value);
    const auto level = static_cast<Rgb>(value + 128);
    for (int p = 0; p < kGridCount; ++p) {
      ASSERT_EQ(block.Pixel[p], value);
      ASSERT_EQ(block.ToolTip[p], text);
      ASSERT_EQ(block.Colour[p], level | level << 8 | level << 16) << "value " << value;
    }
    ASSERT_FALSE(block.Clipped);
  }
}

// ---------------------------------------------------------------------------
// The summation order and the separate rounding of each product and sum.
// These tables were found by search: the sum of some pixel lands within an
// ulp of an integer, so that adding the same terms in another order, or
// fusing each product into its addition, moves it across the integer and
// changes the pixel. Each row names the alternatives that change it there.

enum Order : unsigned { kPrescribed = 0, kRowMajor = 1, kFused = 2 };

struct OrderCase {
  const char* name;
  Entries entries;
  int x;
  int y;
  int value;
  unsigned changedBy;
  friend void PrintTo(const OrderCase& c, std::ostream* os) { *os << c.name; }
};

// The sum for one pixel, with u in the outer loop as prescribed, or with v in
// the outer loop, or with each product fused into its addition.
double sumFor(const CoefTable& coef, int x, int y, unsigned order) {
  const CosineTable& c = CosineFactors();
  double sum = 0.0;
  for (int outer = 0; outer < kGridSide; ++outer) {
    for (int inner = 0; inner < kGridSide; ++inner) {
      const int u = order == kRowMajor ? inner : outer;
      const int v = order == kRowMajor ? outer : inner;
      const double first = coef.at(u + kGridSide * v) * c[x][u];
      if (order == kFused) {
        sum = std::fma(first, c[y][v], sum);
      } else {
        const double term = first * c[y][v];
        sum = sum + term;
      }
    }
  }
  return sum;
}

class SummationOrderTest : public testing::TestWithParam<OrderCase> {};

TEST_P(SummationOrderTest, OnlyThePrescribedOrderGivesThePixel) {
  const OrderCase& c = GetParam();
  const CoefTable coef = tableOf(c.entries);
  const int p = pixelAt(c.x, c.y);
  EXPECT_EQ(ReconstructBlock(coef).Pixel[p], c.value);
  EXPECT_EQ(ReconstructBlockLiteral(coef).Pixel[p], c.value);

  EXPECT_EQ(std::floor(sumFor(coef, c.x, c.y, kPrescribed)), c.value)
      << "the prescribed order restated";
  for (const unsigned alternative : {kRowMajor, kFused}) {
    if ((c.changedBy & alternative) == 0) continue;
    EXPECT_NE(std::floor(sumFor(coef, c.x, c.y, alternative)), c.value)
        << (alternative == kRowMajor ? "v outer" : "fused") << " no longer differs";
  }
}

INSTANTIATE_TEST_SUITE_P(
    , SummationOrderTest,
    testing::Values(
        OrderCase{"F00_100_F51_m100_F15_100_at_1_1",
                  {{0, 100}, {13, -100}, {41, 100}},
                  1,
                  1,
                  100,
                  kRowMajor},
        OrderCase{"F00_100_F51_m100_F15_100_at_0_0",
                  {{0, 100}, {13, -100}, {41, 100}},
                  0,
                  0,
                  100,
                  kFused},
        OrderCase{"F00_100_F64_m100_F46_100_at_0_0",
                  {{0, 100}, {38, -100}, {52, 100}},
                  0,
                  0,
                  99,
                  kRowMajor | kFused},
        OrderCase{"F00_50_F33_m100_F06_50_at_1_1",
                  {{0, 50}, {27, -100}, {48, 50}},
                  1,
                  1,
                  -1,
                  kRowMajor | kFused},
        OrderCase{
            "F00_25_F10_m75_F01_75_at_1_1", {{0, 25}, {1, -75}, {8, 75}}, 1, 1, 24, kRowMajor},
        OrderCase{
            "F00_25_F10_m75_F01_75_at_4_4", {{0, 25}, {1, -75}, {8, 75}}, 4, 4, 25, kRowMajor},
        OrderCase{"F00_10_F21_m10_F12_10_at_1_1", {{0, 10}, {10, -10}, {17, 10}}, 1, 1, 10, kFused},
        OrderCase{
            "F00_m99_F41_25_F14_m25_at_6_6", {{0, -99}, {12, 25}, {33, -25}}, 6, 6, -100, kFused}),
    CaseName{});

// ---------------------------------------------------------------------------
// The fast reconstruction against the literal one, bit for bit.

enum class Shape { Dense, Sparse, TransposedPairs };

struct RandomCase {
  const char* name;
  std::uint32_t seed;
  int tables;
  Shape shape;
  int low;
  int high;
  friend void PrintTo(const RandomCase& c, std::ostream* os) { *os << c.name; }
};

CoefTable randomTable(const RandomCase& c, std::mt19937& generator) {
  std::uniform_int_distribution<int> value(c.low, c.high);
  std::uniform_int_distribution<int> index(0, kGridCount - 1);
  std::uniform_int_distribution<int> count(1, 6);
  const auto draw = [&] { return static_cast<std::int16_t>(value(generator)); };
  CoefTable coef;
  switch (c.shape) {
    case Shape::Dense:
      for (int i = 0; i < kGridCount; ++i) coef.set(i, draw());
      break;
    case Shape::Sparse:
      for (int n = count(generator); n > 0; --n) coef.set(index(generator), draw());
      break;
    case Shape::TransposedPairs:
      // Equal and opposite values at transposed positions cancel in exact
      // arithmetic, leaving sums a few ulps from the integer at entry 0.
      coef.set(0, draw());
      for (int n = count(generator); n > 0; --n) {
        const int i = index(generator);
        const int transposed = (i % kGridSide) * kGridSide + i / kGridSide;
        const std::int16_t v = draw();
        coef.set(i, v);
        coef.set(transposed, static_cast<std::int16_t>(-v));
      }
      break;
  }
  return coef;
}

class FastAndLiteralTest : public testing::TestWithParam<RandomCase> {};

TEST_P(FastAndLiteralTest, AgreeBitForBit) {
  std::mt19937 generator(GetParam().seed);
  for (int n = 0; n < GetParam().tables; ++n) {
    const CoefTable coef = randomTable(GetParam(), generator);
    const BlockSums fast = ComputeBlockSums(coef);
    const BlockSums literal = ComputeBlockSumsLiteral(coef);
    for (int p = 0; p < kGridCount; ++p) {
      ASSERT_EQ(__builtin_bit_cast(std::uint64_t, fast[p]),
                __builtin_bit_cast(std::uint64_t, literal[p]))
          << "table " << n << ", pixel " << p << ": " << fast[p] << " against " << literal[p];
    }
    ASSERT_EQ(ReconstructBlock(coef), ReconstructBlockLiteral(coef)) << "table " << n;
  }
}

INSTANTIATE_TEST_SUITE_P(
    , FastAndLiteralTest,
    testing::Values(
        RandomCase{"dense_within_100", 11, 300, Shape::Dense, -100, 100},
        RandomCase{"dense_16_bit", 12, 300, Shape::Dense, -32768, 32767},
        RandomCase{"sparse_within_100", 13, 600, Shape::Sparse, -100, 100},
        RandomCase{"sparse_16_bit", 14, 600, Shape::Sparse, -32768, 32767},
        RandomCase{"transposed_pairs_within_100", 15, 600, Shape::TransposedPairs, -100, 100},
        RandomCase{"transposed_pairs_16_bit", 16, 300, Shape::TransposedPairs, -32768, 32767}),
    CaseName{});

}  // namespace
}  // namespace dct
