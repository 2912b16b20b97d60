#include "model/jpeg/JpegTransform.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>

#include "model/NumberText.h"
#include "model/PixelBlock.h"

namespace dct {
namespace {

using Factors = std::array<std::array<double, kGridSide>, kGridSide>;

// b(x, u) = C(u)/2 · cos((2x+1)uπ/16), indexed [x][u], as the bit patterns of
// the correctly rounded doubles: made by tools/jpeg_cosines.py with 80-digit
// decimal arithmetic and the true π. JPEG's 2-D factor ¼·C(u)·C(v)·cos·cos is
// b(x, u)·b(y, v), so each transform is two passes of 1-D sums. Constants,
// not std::cos, because not every platform's cosine is correctly rounded.
constexpr std::array<std::array<std::uint64_t, kGridSide>, kGridSide> kFactorBits{{
    {{0x3FD6A09E667F3BCD, 0x3FDF6297CFF75CB0, 0x3FDD906BCF328D46, 0x3FDA9B66290EA1A3,
      0x3FD6A09E667F3BCD, 0x3FD1C73B39AE68C8, 0x3FC87DE2A6AEA963, 0x3FB8F8B83C69A60B}},
    {{0x3FD6A09E667F3BCD, 0x3FDA9B66290EA1A3, 0x3FC87DE2A6AEA963, 0xBFB8F8B83C69A60B,
      0xBFD6A09E667F3BCD, 0xBFDF6297CFF75CB0, 0xBFDD906BCF328D46, 0xBFD1C73B39AE68C8}},
    {{0x3FD6A09E667F3BCD, 0x3FD1C73B39AE68C8, 0xBFC87DE2A6AEA963, 0xBFDF6297CFF75CB0,
      0xBFD6A09E667F3BCD, 0x3FB8F8B83C69A60B, 0x3FDD906BCF328D46, 0x3FDA9B66290EA1A3}},
    {{0x3FD6A09E667F3BCD, 0x3FB8F8B83C69A60B, 0xBFDD906BCF328D46, 0xBFD1C73B39AE68C8,
      0x3FD6A09E667F3BCD, 0x3FDA9B66290EA1A3, 0xBFC87DE2A6AEA963, 0xBFDF6297CFF75CB0}},
    {{0x3FD6A09E667F3BCD, 0xBFB8F8B83C69A60B, 0xBFDD906BCF328D46, 0x3FD1C73B39AE68C8,
      0x3FD6A09E667F3BCD, 0xBFDA9B66290EA1A3, 0xBFC87DE2A6AEA963, 0x3FDF6297CFF75CB0}},
    {{0x3FD6A09E667F3BCD, 0xBFD1C73B39AE68C8, 0xBFC87DE2A6AEA963, 0x3FDF6297CFF75CB0,
      0xBFD6A09E667F3BCD, 0xBFB8F8B83C69A60B, 0x3FDD906BCF328D46, 0xBFDA9B66290EA1A3}},
    {{0x3FD6A09E667F3BCD, 0xBFDA9B66290EA1A3, 0x3FC87DE2A6AEA963, 0x3FB8F8B83C69A60B,
      0xBFD6A09E667F3BCD, 0x3FDF6297CFF75CB0, 0xBFDD906BCF328D46, 0x3FD1C73B39AE68C8}},
    {{0x3FD6A09E667F3BCD, 0xBFDF6297CFF75CB0, 0x3FDD906BCF328D46, 0xBFDA9B66290EA1A3,
      0x3FD6A09E667F3BCD, 0xBFD1C73B39AE68C8, 0x3FC87DE2A6AEA963, 0xBFB8F8B83C69A60B}},
}};

constexpr Factors kFactor = [] {
  Factors factors{};
  for (std::size_t x = 0; x < kGridSide; ++x) {
    for (std::size_t u = 0; u < kGridSide; ++u)
      factors[x][u] = __builtin_bit_cast(double, kFactorBits[x][u]);
  }
  return factors;
}();

std::size_t at(std::size_t column, std::size_t row) { return column + kGridSide * row; }

// One pass of 1-D sums along the rows of `in`, each term in order of k:
// out[j, row] = Σk factor(k, j) · in[k, row] for the forward pass,
// Σk factor(j, k) · in[k, row] for the inverse. Both transforms are this
// pass along the rows, then along the columns of its result.
template <bool Inverse>
std::array<double, kGridCount> rowPass(const std::array<double, kGridCount>& in) {
  std::array<double, kGridCount> out{};
  for (std::size_t row = 0; row < kGridSide; ++row) {
    for (std::size_t j = 0; j < kGridSide; ++j) {
      double sum = 0.0;
      for (std::size_t k = 0; k < kGridSide; ++k) {
        sum += (Inverse ? kFactor[j][k] : kFactor[k][j]) * in[at(k, row)];
      }
      out[at(j, row)] = sum;
    }
  }
  return out;
}

std::array<double, kGridCount> transposed(const std::array<double, kGridCount>& in) {
  std::array<double, kGridCount> out{};
  for (std::size_t row = 0; row < kGridSide; ++row) {
    for (std::size_t column = 0; column < kGridSide; ++column)
      out[at(row, column)] = in[at(column, row)];
  }
  return out;
}

// Rows, then columns: the second pass runs along the rows of the transposed
// first, and transposing back puts the result in index order again.
template <bool Inverse>
std::array<double, kGridCount> transform(const std::array<double, kGridCount>& in) {
  return transposed(rowPass<Inverse>(transposed(rowPass<Inverse>(in))));
}

}  // namespace

JpegCoefficients JpegForward(const BlockLevels& levels) {
  std::array<double, kGridCount> values{};
  for (std::size_t p = 0; p < values.size(); ++p) values[p] = levels[p] - kLevelOfZero;
  JpegCoefficients coefficients = transform<false>(values);
  for (double& value : coefficients) value = Snapped(value);
  return coefficients;
}

BlockLevels JpegInverse(const JpegCoefficients& coefficients) {
  const std::array<double, kGridCount> values = transform<true>(coefficients);
  BlockLevels levels{};
  for (std::size_t p = 0; p < levels.size(); ++p) {
    const double level = std::floor(Snapped(values[p]) + 0.5) + kLevelOfZero;
    // Written so that a coefficient that is not a number gives black.
    levels[p] = static_cast<std::uint8_t>(level >= 0.0 ? std::min(level, double{kLevelMax}) : 0.0);
  }
  return levels;
}

}  // namespace dct
