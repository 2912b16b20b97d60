#include "model/jpeg/JpegQuantiser.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <limits>
#include <stdexcept>

#include "model/jpeg/ZigZag.h"

namespace dct {
namespace {

std::int16_t wholeOf(double quotient) {
  constexpr double kLow = std::numeric_limits<std::int16_t>::min();
  constexpr double kHigh = std::numeric_limits<std::int16_t>::max();
  const double rounded = std::round(quotient);  // halves away from zero
  if (std::isnan(rounded)) return 0;
  return static_cast<std::int16_t>(std::clamp(rounded, kLow, kHigh));
}

}  // namespace

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
