#include "LessonBlock.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

#include "CoefficientFromText.h"
#include "NumberText.h"
#include "ZigZag.h"

namespace dct {
namespace {

// Snapped: a flat block of 133 gives F(0,0) = 5 and a step of 2 halves it
// exactly; unsnapped, one build's 5 + 1e-15 rounds the half up and another's
// 5 - 1e-15 down.
RealCoefficients forwardOfLevels(const BlockLevels& levels) {
  BlockSums sums{};
  for (std::size_t p = 0; p < sums.size(); ++p) sums[p] = levels[p] - kLevelOfZero;
  RealCoefficients real = ForwardTransform(sums);
  for (double& value : real) value = Snapped(value);
  return real;
}

RealCoefficients quantised(const RealCoefficients& real, const std::optional<RealSteps>& steps) {
  if (!steps) return real;
  RealCoefficients result{};
  for (std::size_t i = 0; i < result.size(); ++i) {
    result[i] = std::round(real[i] / (*steps)[i]) * (*steps)[i];
  }
  return result;
}

bool isKept(std::size_t index, int kept) {
  return kZigZagRank[index] < std::clamp(kept, 0, kGridCount);
}

void countLimited(LessonBlock& lesson) {
  for (const double value : lesson.Compressed) {
    const double whole = RoundHalfToEven(value);
    if (whole > kCoefMax || whole < kCoefMin) ++lesson.Limited;
  }
}

void findZeroes(LessonBlock& lesson, const RealCoefficients& beforeKeeping, int kept) {
  for (std::size_t i = 0; i < lesson.Zeroes.size(); ++i) {
    if (RoundHalfToEven(lesson.Real[i]) == 0) continue;
    if (RoundHalfToEven(beforeKeeping[i]) == 0) {
      lesson.Zeroes[i] = Zeroed::ByQuantisation;
    } else if (!isKept(i, kept)) {
      lesson.Zeroes[i] = Zeroed::ByKeeping;
    }
    if (lesson.Zeroes[i] != Zeroed::No) ++lesson.ZeroedCount;
  }
}

}  // namespace

LessonBlock ComputeLessonBlock(const BlockLevels& original, const Compression& compression) {
  LessonBlock lesson;
  lesson.Real = forwardOfLevels(original);
  if (compression.Quality) lesson.Steps = WindowSteps(*compression.Quality);
  const RealCoefficients beforeKeeping = quantised(lesson.Real, lesson.Steps);
  for (std::size_t i = 0; i < lesson.Compressed.size(); ++i) {
    lesson.Compressed[i] = isKept(i, compression.Kept) ? beforeKeeping[i] : 0.0;
  }
  lesson.Table = RoundCoefficients(lesson.Compressed);
  countLimited(lesson);
  findZeroes(lesson, beforeKeeping, compression.Kept);
  return lesson;
}

}  // namespace dct
