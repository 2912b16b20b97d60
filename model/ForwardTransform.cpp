#include "model/ForwardTransform.h"

#include <cmath>
#include <cstddef>
#include <limits>
#include <stdexcept>
#include <utility>

#include "model/CoefficientFromText.h"

namespace dct {
namespace {

constexpr std::size_t kSide = kGridSide;

// A pivot this small beside the largest entry means the rows were (nearly)
// dependent: dividing by it would give noise, not an inverse. Measured against
// double's precision, not long double's: where long double is carried out as a
// double (valgrind emulates the x87 unit that way), dependent rows leave
// residues of double's rounding, which long double's epsilon would take for a
// pivot.
constexpr long double kPivotTolerance = 64 * std::numeric_limits<double>::epsilon();

SquareMatrix Identity() {
  SquareMatrix identity{};
  for (std::size_t i = 0; i < kSide; ++i) identity[i][i] = 1;
  return identity;
}

SquareMatrix CosineMatrix() {
  const CosineTable& c = CosineFactors();
  SquareMatrix matrix{};
  for (std::size_t x = 0; x < kSide; ++x) {
    for (std::size_t u = 0; u < kSide; ++u) matrix[x][u] = c[x][u];
  }
  return matrix;
}

}  // namespace

std::optional<SquareMatrix> InvertMatrix(const SquareMatrix& matrix) {
  long double largest = 0;
  for (const auto& row : matrix) {
    for (const long double entry : row) largest = std::fmax(largest, std::fabs(entry));
  }
  SquareMatrix left = matrix;
  SquareMatrix right = Identity();
  for (std::size_t column = 0; column < kSide; ++column) {
    std::size_t pivot = column;
    for (std::size_t row = column + 1; row < kSide; ++row) {
      if (std::fabs(left[row][column]) > std::fabs(left[pivot][column])) pivot = row;
    }
    // Also refuses NaN, which compares false with everything.
    if (!(std::fabs(left[pivot][column]) > kPivotTolerance * largest)) return std::nullopt;
    std::swap(left[pivot], left[column]);
    std::swap(right[pivot], right[column]);
    const long double scale = 1 / left[column][column];
    for (std::size_t k = 0; k < kSide; ++k) {
      left[column][k] *= scale;
      right[column][k] *= scale;
    }
    for (std::size_t row = 0; row < kSide; ++row) {
      const long double factor = left[row][column];
      if (row == column || factor == 0) continue;
      for (std::size_t k = 0; k < kSide; ++k) {
        left[row][k] -= factor * left[column][k];
        right[row][k] -= factor * right[column][k];
      }
    }
  }
  return right;
}

const SquareMatrix& InverseCosineFactors() {
  static const SquareMatrix inverse = [] {
    const auto inverted = InvertMatrix(CosineMatrix());
    if (!inverted) throw std::logic_error("the cosine factor matrix cannot be inverted");
    return *inverted;
  }();
  return inverse;
}

RealCoefficients ForwardTransform(const BlockSums& sums) {
  const SquareMatrix& inverse = InverseCosineFactors();
  // First C⁻¹·S (rows v, columns x), then that times C⁻ᵀ (rows v, columns u).
  SquareMatrix left{};
  for (std::size_t v = 0; v < kSide; ++v) {
    for (std::size_t x = 0; x < kSide; ++x) {
      long double sum = 0;
      for (std::size_t y = 0; y < kSide; ++y) sum += inverse[v][y] * sums[y * kSide + x];
      left[v][x] = sum;
    }
  }
  RealCoefficients coefficients{};
  for (std::size_t v = 0; v < kSide; ++v) {
    for (std::size_t u = 0; u < kSide; ++u) {
      long double sum = 0;
      for (std::size_t x = 0; x < kSide; ++x) sum += left[v][x] * inverse[u][x];
      coefficients[v * kSide + u] = static_cast<double>(sum);
    }
  }
  return coefficients;
}

CoefTable RoundCoefficients(const RealCoefficients& coefficients) {
  CoefTable table;
  for (std::size_t i = 0; i < coefficients.size(); ++i) {
    table.set(static_cast<long long>(i), CoefficientFromNumber(coefficients[i]));
  }
  return table;
}

}  // namespace dct
