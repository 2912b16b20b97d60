#pragma once

#include "model/ReconstructBlock.h"

namespace dct {

// The window's sums computed as the formula reads, pixel by pixel and term
// by term, with nothing shared between pixels: the reference that the model's
// tests and the benchmark hold the fast reconstruction to. Slow.
BlockSums ComputeBlockSumsLiteral(const CoefTable& coef);
PixelBlock ReconstructBlockLiteral(const CoefTable& coef);

}  // namespace dct
