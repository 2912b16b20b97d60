#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <ostream>
#include <string>

#include "model/CosineFactors.h"

#if defined(DCT_HAVE_QUADMATH)
#include <quadmath.h>
#endif

namespace dct {
namespace {

int frequencyProduct(int p, int f) { return (2 * p + 1) * f; }

std::uint64_t bitsOf(double value) { return __builtin_bit_cast(std::uint64_t, value); }

#if defined(DCT_HAVE_QUADMATH)

// The argument and its cosine worked out in quadruple precision, apart from
// the model's own double arithmetic: k · Pi needs at most 60 significant
// bits, so the quad product is exact and its conversion to double is the one
// rounding that the argument allows.
struct QuadReference {
  double argument;
  __float128 cosine;
};

QuadReference quadReference(int p, int f) {
  const __float128 exactProduct = static_cast<__float128>(frequencyProduct(p, f)) * Pi;
  const double argument = static_cast<double>(exactProduct) / 16.0;
  return {argument, cosq(static_cast<__float128>(argument))};
}

// How far the quad cosine lies from the midpoint between the two doubles
// around it, relative to its size. cosq is good to about 2^-112; a value
// closer to a midpoint than 2^-100 could round either way, and would leave the
// correctly rounded double unproven.
double relativeDistanceToMidpoint(__float128 value, double nearest) {
  const double other = static_cast<__float128>(nearest) < value
                           ? std::nextafter(nearest, INFINITY)
                           : std::nextafter(nearest, -INFINITY);
  const __float128 midpoint = (static_cast<__float128>(nearest) + other) / 2;
  return static_cast<double>(fabsq(value - midpoint) / fabsq(value));
}

TEST(CosineFactorsTest, AreTheCorrectlyRoundedCosinesOfTheOnceRoundedArguments) {
  const CosineTable& factors = CosineFactors();
  for (int p = 0; p < kGridSide; ++p) {
    for (int f = 0; f < kGridSide; ++f) {
      SCOPED_TRACE("c(" + std::to_string(p) + ", " + std::to_string(f) + ")");
      const QuadReference reference = quadReference(p, f);
      EXPECT_EQ(bitsOf(CosineArgument(p, f)), bitsOf(reference.argument));

      const double rounded = static_cast<double>(reference.cosine);
      EXPECT_GT(relativeDistanceToMidpoint(reference.cosine, rounded), std::ldexp(1.0, -100))
          << "too close to a rounding midpoint to settle the double";
      EXPECT_EQ(bitsOf(factors[p][f]), bitsOf(rounded));
    }
  }
}

#else

TEST(CosineFactorsTest, AreTheCorrectlyRoundedCosinesOfTheOnceRoundedArguments) {
  GTEST_SKIP() << "no quadruple precision on this compiler to compute the reference";
}

#endif

// Where the platform's cosine is correctly rounded for these 64 arguments, it
// gives the constants' bits: a second check of them, independent of the first.
TEST(CosineFactorsTest, ThePlatformCosineGivesTheSameBits) {
#if defined(__EMSCRIPTEN__)
  GTEST_SKIP() << "the browser build's cos gives c(6,4) one unit in the last place below the "
                  "correctly rounded value that the constants hold";
#endif
  const CosineTable& factors = CosineFactors();
  for (int p = 0; p < kGridSide; ++p) {
    for (int f = 0; f < kGridSide; ++f) {
      EXPECT_EQ(bitsOf(std::cos(CosineArgument(p, f))), bitsOf(factors[p][f]))
          << "c(" << p << ", " << f << ")";
    }
  }
}

// Dividing by 16 is exact, so k · (Pi / 16) is the same double as
// (k · Pi) / 16; what changes a factor is rounding k's two factors into the
// product one at a time. These are positions and frequencies where it does.
struct SplitProductCase {
  const char* name;
  int p;
  int f;
  friend void PrintTo(const SplitProductCase& c, std::ostream* os) { *os << c.name; }
};

class CosineArgumentTest : public testing::TestWithParam<SplitProductCase> {};

TEST_P(CosineArgumentTest, RoundsTheWholeProductOnce) {
  const int p = GetParam().p;
  const int f = GetParam().f;
  const double position = 2 * p + 1;
  const double frequency = f;
  const double once = (frequencyProduct(p, f) * Pi) / 16.0;
  const double positionFirst = ((position * Pi) * frequency) / 16.0;
  const double frequencyFirst = ((frequency * Pi) * position) / 16.0;
  const double factor = CosineFactors()[p][f];

  EXPECT_EQ(bitsOf(CosineArgument(p, f)), bitsOf(once));
  EXPECT_EQ(bitsOf(factor), bitsOf(std::cos(once)));
  EXPECT_NE(bitsOf(factor), bitsOf(std::cos(positionFirst)));
  EXPECT_NE(bitsOf(factor), bitsOf(std::cos(frequencyFirst)));
}

INSTANTIATE_TEST_SUITE_P(, CosineArgumentTest,
                         testing::Values(SplitProductCase{"p1_f3_k9", 1, 3},
                                         SplitProductCase{"p1_f6_k18", 1, 6},
                                         SplitProductCase{"p2_f6_k30", 2, 6},
                                         SplitProductCase{"p4_f5_k45", 4, 5}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace dct
