#pragma once

#include <array>
#include <optional>

#include "model/CoefTable.h"
#include "model/CosineFactors.h"
#include "model/ReconstructBlock.h"

namespace dct {

// An 8×8 matrix indexed [row][column], in extended precision so that the
// inverse and the products with it lose less than the doubles they end in.
using SquareMatrix = std::array<std::array<long double, kGridSide>, kGridSide>;

// Gauss-Jordan elimination with partial pivoting. Nothing when the matrix is
// singular or so nearly singular that a pivot vanishes beside its entries.
std::optional<SquareMatrix> InvertMatrix(const SquareMatrix& matrix);

// The inverse of the window's own factor matrix C, C[x][u] = c(x, u). Its
// factors use Pi = 3.14159, so the columns of C are not quite orthogonal
// (their products are off by up to 2e-5) and the textbook inverse, the
// transpose scaled by 1/8 and 1/4, would be off by as much.
const SquareMatrix& InverseCosineFactors();

// Real coefficients by coefficient index 8·v + u.
using RealCoefficients = std::array<double, kGridCount>;

// The coefficients whose unrounded sums, as ComputeBlockSums forms them, are
// `sums`. With S laid out by pixel index (row y, column x) and F by
// coefficient index (row v, column u), the sums are S = C·F·Cᵀ, so
// F = C⁻¹·S·C⁻ᵀ. Sums of integer coefficients come back as those integers
// within about 1e-13 times the largest sum.
RealCoefficients ForwardTransform(const BlockSums& sums);

// Each coefficient rounded to an integer, halves to even, then limited to
// kCoefMin..kCoefMax: the table the window would hold if each were typed.
CoefTable RoundCoefficients(const RealCoefficients& coefficients);

}  // namespace dct
