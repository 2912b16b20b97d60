#pragma once

#include <array>

#include "model/CoefTable.h"
#include "model/PixelBlock.h"

namespace dct {

// The unrounded inverse cosine sums, by pixel index 8·y + x.
using BlockSums = std::array<double, kGridCount>;

// S(x, y) = Σ_u Σ_v (F(u, v) · c(x, u)) · c(y, v), with u in the outer loop,
// v in the inner one, each product and each addition rounded to double.
// No normalisation: a lone F(0, 0) gives that value at every pixel.
BlockSums ComputeBlockSums(const CoefTable& coef);

// Rounds each sum down, clips it to ±127 and derives hint and grey.
PixelBlock ShadeBlock(const BlockSums& sums);

PixelBlock ReconstructBlock(const CoefTable& coef);

}  // namespace dct
