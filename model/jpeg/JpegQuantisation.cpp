#include "model/jpeg/JpegQuantisation.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <limits>
#include <stdexcept>

#include "model/jpeg/ZigZag.h"

namespace dct {
namespace {

// ¼·C(0)·C(k) for k > 0: 1/(4√2), the double nearest it.
constexpr double kEdgeUnit = 0.17677669529663688110;

std::int16_t wholeOf(double quotient) {
  constexpr double kLow = std::numeric_limits<std::int16_t>::min();
  constexpr double kHigh = std::numeric_limits<std::int16_t>::max();
  const double rounded = std::round(quotient);  // halves away from zero
  if (std::isnan(rounded)) return 0;
  return static_cast<std::int16_t>(std::clamp(rounded, kLow, kHigh));
}

}  // namespace

StepTable ScaledJpegTable(int quality) {
  const int q = std::clamp(quality, kQualityMin, kQualityMax);
  const int scale = q < 50 ? 5000 / q : 200 - 2 * q;
  StepTable table{};
  for (std::size_t i = 0; i < table.size(); ++i) {
    const int step = (kJpegLuminanceTable[i] * scale + 50) / 100;
    table[i] = std::clamp(step, kBaselineStepMin, kBaselineStepMax);
  }
  return table;
}

double WindowUnit(int index) {
  const bool firstColumn = index % kGridSide == 0;
  const bool firstRow = index / kGridSide == 0;
  if (firstColumn && firstRow) return 0.125;
  return firstColumn || firstRow ? kEdgeUnit : 0.25;
}

bool IsBaselineStepTable(const StepTable& steps) {
  return std::all_of(steps.begin(), steps.end(),
                     [](int step) { return step >= kBaselineStepMin && step <= kBaselineStepMax; });
}

QuantisedBlock JpegQuantise(const JpegCoefficients& coefficients, const StepTable& steps,
                            int kept) {
  if (!IsBaselineStepTable(steps)) {
    throw std::invalid_argument("a JPEG quantisation step lies outside 1..255");
  }
  QuantisedBlock block{};
  for (std::size_t i = 0; i < block.size(); ++i) {
    if (IsKept(i, kept)) block[i] = wholeOf(coefficients[i] / steps[i]);
  }
  return block;
}

QuantisedBlock QuantiseWindowTable(const CoefTable& table, const StepTable& steps) {
  JpegCoefficients coefficients{};
  for (std::size_t i = 0; i < coefficients.size(); ++i) {
    const int index = static_cast<int>(i);
    coefficients[i] = table.at(index) / WindowUnit(index);
  }
  return JpegQuantise(coefficients, steps, kGridCount);
}

JpegCoefficients JpegDequantise(const QuantisedBlock& block, const StepTable& steps) {
  JpegCoefficients coefficients{};
  for (std::size_t i = 0; i < coefficients.size(); ++i) {
    coefficients[i] = static_cast<double>(block[i]) * steps[i];
  }
  return coefficients;
}

JpegCoefficients KeepFirst(const JpegCoefficients& coefficients, int kept) {
  JpegCoefficients result{};
  for (std::size_t i = 0; i < result.size(); ++i) {
    if (IsKept(i, kept)) result[i] = coefficients[i];
  }
  return result;
}

}  // namespace dct
