#include "tests/model/JpegLiteral.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace dct {
namespace {

constexpr long double kTruePi = 3.14159265358979323846264338327950288L;
// Long double's sums of 64 terms stray from the exact value by far less
// than this; the exact values that are not halves lie far farther from one.
constexpr long double kHair = 1e-11L;

// T.81, Table K.1, row v, column u.
constexpr std::array<int, kGridCount> kLuminance{
    16, 11, 10, 16, 24,  40,  51,  61,  12, 12, 14, 19, 26,  58,  60,  55,
    14, 13, 16, 24, 40,  57,  69,  56,  14, 17, 22, 29, 51,  87,  80,  62,
    18, 22, 37, 56, 68,  109, 103, 77,  24, 35, 55, 64, 81,  104, 113, 92,
    49, 64, 78, 87, 103, 121, 120, 101, 72, 92, 95, 98, 112, 100, 103, 99};

// T.81, Figure A.6: the index 8·v + u of each rank.
constexpr std::array<int, kGridCount> kZigZagOrder{
    0,  1,  8,  16, 9,  2,  3,  10, 17, 24, 32, 25, 18, 11, 4,  5,  12, 19, 26, 33, 40, 48,
    41, 34, 27, 20, 13, 6,  7,  14, 21, 28, 35, 42, 49, 56, 57, 50, 43, 36, 29, 22, 15, 23,
    30, 37, 44, 51, 58, 59, 52, 45, 38, 31, 39, 46, 53, 60, 61, 54, 47, 55, 62, 63};

// ½·C(k)·cos((2p+1)kπ/16).
long double factor(int p, int k) {
  const long double c = k == 0 ? 1 / std::sqrt(2.0L) : 1.0L;
  return c / 2 * std::cos((2 * p + 1) * k * kTruePi / 16);
}

bool isHalf(long double value) { return std::abs(value - std::floor(value) - 0.5L) < kHair; }

// A half exactly, wherever the sum strayed from it.
long double halfWhereNear(long double value) {
  return isHalf(value) ? std::floor(value) + 0.5L : value;
}

}  // namespace

StepTable LiteralSteps(std::optional<int> quality) {
  const int q = std::clamp(quality.value_or(100), 1, 100);
  const int scale = q < 50 ? 5000 / q : 200 - 2 * q;
  StepTable steps{};
  for (int i = 0; i < kGridCount; ++i) {
    steps[static_cast<std::size_t>(i)] =
        std::clamp((kLuminance[static_cast<std::size_t>(i)] * scale + 50) / 100, 1, 255);
  }
  return steps;
}

bool LiteralKept(int index, int count) {
  const auto rank = std::find(kZigZagOrder.begin(), kZigZagOrder.end(), index);
  return rank - kZigZagOrder.begin() < count;
}

LiteralCoefficients literalForward(const BlockLevels& levels) {
  LiteralCoefficients coefficients{};
  for (int v = 0; v < kGridSide; ++v) {
    for (int u = 0; u < kGridSide; ++u) {
      long double sum = 0;
      for (int y = 0; y < kGridSide; ++y) {
        for (int x = 0; x < kGridSide; ++x)
          sum += factor(x, u) * factor(y, v) * (levels[x + kGridSide * y] - 128);
      }
      coefficients[u + kGridSide * v] = sum;
    }
  }
  return coefficients;
}

// ⌊x + ½⌋ + 128, within 0..255.
LiteralLevels literalInverse(const LiteralCoefficients& coefficients) {
  LiteralLevels result;
  for (int y = 0; y < kGridSide; ++y) {
    for (int x = 0; x < kGridSide; ++x) {
      long double sum = 0;
      for (int v = 0; v < kGridSide; ++v) {
        for (int u = 0; u < kGridSide; ++u)
          sum += factor(x, u) * factor(y, v) * coefficients[u + kGridSide * v];
      }
      result.Halves += isHalf(sum);
      const long double level = std::floor(halfWhereNear(sum) + 0.5L) + 128;
      result.Levels[x + kGridSide * y] = static_cast<std::uint8_t>(std::clamp(level, 0.0L, 255.0L));
    }
  }
  return result;
}

QuantisedBlock literalQuantise(const LiteralCoefficients& coefficients, const StepTable& steps,
                               int count) {
  QuantisedBlock block{};
  for (int i = 0; i < kGridCount; ++i) {
    // std::round takes halves away from zero, as the reference library.
    if (LiteralKept(i, count))
      block[i] = static_cast<std::int16_t>(std::round(halfWhereNear(coefficients[i] / steps[i])));
  }
  return block;
}

LiteralCoefficients decoderInput(const LiteralCoefficients& real, const QuantisedBlock& block,
                                 const std::optional<StepTable>& steps, int count) {
  LiteralCoefficients input{};
  for (int i = 0; i < kGridCount; ++i) {
    if (steps) {
      input[i] = static_cast<long double>(block[i]) * (*steps)[i];
    } else if (LiteralKept(i, count)) {
      input[i] = real[i];
    }
  }
  return input;
}

BlockLevels LiteralJpegBlock(const BlockLevels& levels, std::optional<int> quality, int kept) {
  const std::optional<StepTable> steps =
      quality ? std::optional(LiteralSteps(quality)) : std::nullopt;
  const LiteralCoefficients real = literalForward(levels);
  const QuantisedBlock block = literalQuantise(real, LiteralSteps(quality), kept);
  return literalInverse(decoderInput(real, block, steps, kept)).Levels;
}

}  // namespace dct
