#include "model/lesson/LessonBlock.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

#include "model/CoefficientFromText.h"
#include "model/ForwardTransform.h"
#include "model/NumberText.h"
#include "model/jpeg/ZigZag.h"

namespace dct {
namespace {

// The window's own coefficients of the block, snapped: a flat block of 133
// gives F(0,0) = 5, which rounds to even exactly; unsnapped, one build's
// 5 + 1e-15 and another's 5 - 1e-15 could round apart.
RealCoefficients windowCoefficients(const BlockLevels& levels) {
  BlockSums sums{};
  for (std::size_t p = 0; p < sums.size(); ++p) sums[p] = levels[p] - kLevelOfZero;
  RealCoefficients real = ForwardTransform(sums);
  for (double& value : real) value = Snapped(value);
  return real;
}

// How many of the window's coefficients have to be limited to ±100.
int limitedOf(const RealCoefficients& values) {
  return static_cast<int>(std::count_if(values.begin(), values.end(), [](double value) {
    const double whole = RoundHalfToEven(value);
    return whole > kCoefMax || whole < kCoefMin;
  }));
}

// A coefficient of half a unit or more is not 0 in JPEG's units even at the
// finest step (quality 100's, all 1): made 0, it was compression's doing.
void findZeroes(LessonBlock& lesson, const JpegCoefficients& jpeg,
                const std::optional<QuantisedBlock>& beforeKeeping, int kept) {
  for (std::size_t i = 0; i < lesson.Zeroes.size(); ++i) {
    if (std::round(jpeg[i]) == 0) continue;
    if (beforeKeeping && (*beforeKeeping)[i] == 0) {
      lesson.Zeroes[i] = Zeroed::ByQuantisation;
    } else if (!IsKept(i, kept)) {
      lesson.Zeroes[i] = Zeroed::ByKeeping;
    }
    if (lesson.Zeroes[i] != Zeroed::No) ++lesson.ZeroedCount;
  }
}

}  // namespace

LessonBlock ComputeLessonBlock(const BlockLevels& original, const Compression& compression) {
  LessonBlock lesson;
  const JpegCoefficients jpeg = JpegForward(original);
  std::optional<QuantisedBlock> beforeKeeping;
  RealCoefficients window{};
  if (compression.Quality) {
    const StepTable steps = ScaledJpegTable(*compression.Quality);
    lesson.Steps = steps;
    beforeKeeping = JpegQuantise(jpeg, steps, kGridCount);
    for (std::size_t i = 0; i < window.size(); ++i) {
      lesson.Quantised[i] = IsKept(i, compression.Kept) ? (*beforeKeeping)[i] : 0;
      window[i] = lesson.Quantised[i] * steps[i] * WindowUnit(static_cast<int>(i));
    }
    lesson.JpegLevels = JpegInverse(JpegDequantise(lesson.Quantised, steps));
  } else {
    lesson.JpegLevels = JpegInverse(KeepFirst(jpeg, compression.Kept));
    const RealCoefficients own = windowCoefficients(original);
    for (std::size_t i = 0; i < window.size(); ++i) {
      if (IsKept(i, compression.Kept)) window[i] = own[i];
    }
  }
  lesson.Table = RoundCoefficients(window);
  lesson.Limited = limitedOf(window);
  findZeroes(lesson, jpeg, beforeKeeping, compression.Kept);
  return lesson;
}

}  // namespace dct
