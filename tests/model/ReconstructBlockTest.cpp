#include <gtest/gtest.h>

#include "ReconstructBlock.h"

namespace dct {
namespace {

TEST(ReconstructBlockTest, OneCoefficientAtIndexOneGivesTheSameRowEverywhere) {
  CoefTable coef;
  coef.set(1, 100);
  const PixelBlock block = ReconstructBlock(coef);
  const std::array<int, 8> row{98, 83, 55, 19, -20, -56, -84, -99};
  for (int p = 0; p < kPixelCount; ++p) EXPECT_EQ(block.Pixel[p], row[p % 8]) << "pixel " << p;
  EXPECT_FALSE(block.Clipped);
}

}  // namespace
}  // namespace dct
