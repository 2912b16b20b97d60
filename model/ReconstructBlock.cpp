#include "ReconstructBlock.h"

#include <cmath>
#include <string>

namespace dct {
namespace {

int coefIndex(int u, int v) { return u + kBlockSide * v; }
int pixelIndex(int x, int y) { return x + kBlockSide * y; }

}  // namespace

BlockSums ComputeBlockSums(const CoefTable& coef) {
  const CosineTable& c = CosineFactors();
  BlockSums sums{};
  // All 64 sums advance together, term by term in the order u, then v, so
  // that each sum sees its terms in the prescribed order while the inner loop
  // over pixels stays free to use vector instructions.
  for (int u = 0; u < kBlockSide; ++u) {
    for (int v = 0; v < kBlockSide; ++v) {
      const double f = coef.at(coefIndex(u, v));
      // A zero coefficient gives a term of ±0, which leaves every sum as it
      // is: a sum starts at +0 and can never become -0 under round-to-nearest.
      if (f == 0.0) continue;
      std::array<double, kBlockSide> first{};
      for (int x = 0; x < kBlockSide; ++x) first[x] = f * c[x][u];
      for (int y = 0; y < kBlockSide; ++y) {
        const double second = c[y][v];
        for (int x = 0; x < kBlockSide; ++x) sums[pixelIndex(x, y)] += first[x] * second;
      }
    }
  }
  return sums;
}

BlockSums ComputeBlockSumsLiteral(const CoefTable& coef) {
  BlockSums sums{};
  for (int x = 0; x < kBlockSide; ++x) {
    for (int y = 0; y < kBlockSide; ++y) {
      double sum = 0.0;
      for (int u = 0; u < kBlockSide; ++u) {
        for (int v = 0; v < kBlockSide; ++v) {
          const double term = (static_cast<double>(coef.at(coefIndex(u, v))) *
                               std::cos(CosineArgument(x, u))) *
                              std::cos(CosineArgument(y, v));
          sum = sum + term;
        }
      }
      sums[pixelIndex(x, y)] = sum;
    }
  }
  return sums;
}

PixelBlock ShadeBlock(const BlockSums& sums) {
  PixelBlock block;
  for (int p = 0; p < kPixelCount; ++p) {
    // Rounded down, not toward zero: -19.51 gives -20.
    double value = std::floor(sums[p]);
    if (value > kPixelMax) {
      value = kPixelMax;
      block.Clipped = true;
    }
    if (value < kPixelMin) {
      value = kPixelMin;
      block.Clipped = true;
    }
    const int pixel = static_cast<int>(value);
    block.Pixel[p] = pixel;
    block.ToolTip[p] = std::to_string(pixel);
    block.Colour[p] = static_cast<Rgb>(pixel + 128) * kGreyStep;
  }
  return block;
}

PixelBlock ReconstructBlock(const CoefTable& coef) { return ShadeBlock(ComputeBlockSums(coef)); }

PixelBlock ReconstructBlockLiteral(const CoefTable& coef) {
  return ShadeBlock(ComputeBlockSumsLiteral(coef));
}

}  // namespace dct
