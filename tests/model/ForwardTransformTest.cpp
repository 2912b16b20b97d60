// The model's forward transform, which dct-block --forward and the lesson use.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "model/ForwardTransform.h"
#include "model/ReconstructBlock.h"

namespace dct {
namespace {

struct RandomTablesCase {
  const char* name;
  int lowest;
  int highest;
  friend void PrintTo(const RandomTablesCase& c, std::ostream* os) { *os << c.name; }
};

class ForwardTransformTest : public testing::TestWithParam<RandomTablesCase> {};

// The transposed factors, the textbook inverse, would miss by up to 2.6e-3
// here, a swap of u and v or of x and y by whole coefficients.
TEST_P(ForwardTransformTest, GivesBackTheCoefficientsOfTheUnroundedSums) {
  std::mt19937 random(20240607);
  std::uniform_int_distribution<int> entry(GetParam().lowest, GetParam().highest);
  double worst = 0;
  for (int run = 0; run < 500; ++run) {
    CoefTable table;
    for (int i = 0; i < kGridCount; ++i) table.set(i, static_cast<std::int16_t>(entry(random)));

    const RealCoefficients coefficients = ForwardTransform(ComputeBlockSums(table));

    for (int i = 0; i < kGridCount; ++i) {
      worst = std::fmax(worst, std::fabs(coefficients[static_cast<std::size_t>(i)] - table.at(i)));
    }
  }
  EXPECT_LE(worst, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Tables, ForwardTransformTest,
                         testing::Values(RandomTablesCase{"window_range", -100, 100},
                                         RandomTablesCase{"sixteen_bits", -32768, 32767}),
                         [](const auto& info) { return std::string(info.param.name); });

// The first matrix has a zero where the first pivot would be without row
// exchanges; the second has rank 2.
TEST(InvertMatrixTest, ExchangesRowsForAPivotAndRefusesASingularMatrix) {
  SquareMatrix exchange{}, singular{};
  for (std::size_t i = 0; i < kGridSide; ++i) {
    exchange[i][(i + 1) % kGridSide] = 2;
    for (std::size_t j = 0; j < kGridSide; ++j) singular[i][j] = static_cast<long double>(i + j);
  }

  const auto inverse = InvertMatrix(exchange);

  ASSERT_TRUE(inverse);
  for (std::size_t i = 0; i < kGridSide; ++i) {
    for (std::size_t j = 0; j < kGridSide; ++j) {
      EXPECT_EQ((*inverse)[i][j], (j + 1) % kGridSide == i ? 0.5L : 0.0L) << i << ", " << j;
    }
  }
  EXPECT_FALSE(InvertMatrix(singular));
}

struct RoundingCase {
  double value;
  int expected;
  friend void PrintTo(const RoundingCase& c, std::ostream* os) {
    *os << c.value << " -> " << c.expected;
  }
};

class RoundCoefficientsTest : public testing::TestWithParam<RoundingCase> {};

// Each case at index 8·v + u = 19, the others 0, so that a mix-up of
// indices shows too.
TEST_P(RoundCoefficientsTest, RoundsHalvesToEvenAndLimitsAsTheWindowDoes) {
  RealCoefficients coefficients{};
  coefficients[19] = GetParam().value;

  const CoefTable table = RoundCoefficients(coefficients);

  for (int i = 0; i < kGridCount; ++i) EXPECT_EQ(table.at(i), i == 19 ? GetParam().expected : 0);
}

INSTANTIATE_TEST_SUITE_P(Values, RoundCoefficientsTest,
                         testing::Values(RoundingCase{0.5, 0}, RoundingCase{1.5, 2},
                                         RoundingCase{-2.5, -2},
                                         RoundingCase{2.5000000000000004, 3},
                                         RoundingCase{-0.49999999999999994, 0},
                                         RoundingCase{-37.51, -38}, RoundingCase{99.5, 100},
                                         RoundingCase{100.5, 100}, RoundingCase{-2.0e6, -100}));

}  // namespace
}  // namespace dct
