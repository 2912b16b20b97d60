#include "tests/model/LiteralSums.h"

#include <cstddef>

#include "model/CosineFactors.h"

namespace dct {

BlockSums ComputeBlockSumsLiteral(const CoefTable& coef) {
  const CosineTable& c = CosineFactors();
  BlockSums sums{};
  for (std::size_t x = 0; x < kGridSide; ++x) {
    for (std::size_t y = 0; y < kGridSide; ++y) {
      double sum = 0.0;
      for (std::size_t u = 0; u < kGridSide; ++u) {
        for (std::size_t v = 0; v < kGridSide; ++v) {
          const double term =
              (static_cast<double>(coef.at(static_cast<long long>(u + kGridSide * v))) * c[x][u]) *
              c[y][v];
          sum = sum + term;
        }
      }
      sums[x + kGridSide * y] = sum;
    }
  }
  return sums;
}

PixelBlock ReconstructBlockLiteral(const CoefTable& coef) {
  return ShadeBlock(ComputeBlockSumsLiteral(coef));
}

}  // namespace dct
