#include "tests/model/JpegLiteral.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "model/jpeg/ZigZag.h"

namespace dct {
namespace {

constexpr long double kTruePi = 3.14159265358979323846264338327950288L;

// ½·C(k)·cos((2p+1)kπ/16), indexed [p][k].
long double factor(int p, int k) {
  static const auto table = [] {
    std::array<std::array<long double, kGridSide>, kGridSide> t{};
    for (int q = 0; q < kGridSide; ++q) {
      for (int j = 0; j < kGridSide; ++j) {
        const long double c = j == 0 ? 1 / std::sqrt(2.0L) : 1.0L;
        t[q][j] = c / 2 * std::cos((2 * q + 1) * j * kTruePi / 16);
      }
    }
    return t;
  }();
  return table[p][k];
}

long double snapped(long double value) {
  const long double grid = std::ldexp(1.0L, 32);
  return std::round(value * grid) / grid;
}

}  // namespace

LiteralCoefficients literalForward(const BlockLevels& levels) {
  LiteralCoefficients coefficients{};
  for (int v = 0; v < kGridSide; ++v) {
    for (int u = 0; u < kGridSide; ++u) {
      long double sum = 0;
      for (int y = 0; y < kGridSide; ++y) {
        for (int x = 0; x < kGridSide; ++x)
          sum += factor(x, u) * factor(y, v) * (levels[x + kGridSide * y] - 128);
      }
      coefficients[u + kGridSide * v] = snapped(sum);
    }
  }
  return coefficients;
}

LiteralLevels literalInverse(const JpegCoefficients& coefficients) {
  LiteralLevels result;
  for (int y = 0; y < kGridSide; ++y) {
    for (int x = 0; x < kGridSide; ++x) {
      long double sum = 0;
      for (int v = 0; v < kGridSide; ++v) {
        for (int u = 0; u < kGridSide; ++u)
          sum += factor(x, u) * factor(y, v) * coefficients[u + kGridSide * v];
      }
      const long double value = snapped(sum);
      if (std::abs(value - std::floor(value) - 0.5L) < 1e-9L) ++result.Halves;
      const long double level = std::floor(value + 0.5L) + 128;
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
    if (IsKept(static_cast<std::size_t>(i), count))
      block[i] = static_cast<std::int16_t>(std::round(coefficients[i] / steps[i]));
  }
  return block;
}

// What a decoder receives: the quantised values times their steps, or
// without quantisation the model's own real coefficients, those kept.
JpegCoefficients decoderInput(const JpegCoefficients& real, const QuantisedBlock& block,
                              const std::optional<StepTable>& steps, int count) {
  JpegCoefficients input{};
  for (int i = 0; i < kGridCount; ++i) {
    if (steps) {
      input[i] = block[i] * (*steps)[i];
    } else if (IsKept(static_cast<std::size_t>(i), count)) {
      input[i] = real[i];
    }
  }
  return input;
}

BlockLevels LiteralJpegBlock(const BlockLevels& levels, std::optional<int> quality, int kept) {
  const std::optional<StepTable> steps =
      quality ? std::optional(ScaledJpegTable(*quality)) : std::nullopt;
  const LiteralCoefficients literal = literalForward(levels);
  // Snapped to 2^-32 and below 2^11, each is a double exactly.
  JpegCoefficients real{};
  std::copy(literal.begin(), literal.end(), real.begin());
  const QuantisedBlock block = literalQuantise(literal, steps.value_or(ScaledJpegTable(100)), kept);
  return literalInverse(decoderInput(real, block, steps, kept)).Levels;
}

}  // namespace dct
