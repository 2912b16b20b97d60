#include "model/lesson/Challenge.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdlib>
#include <random>
#include <utility>

#include "model/CoefficientFromText.h"
#include "model/ReconstructBlock.h"
#include "model/jpeg/ZigZag.h"

namespace dct {
namespace {

// How many draws of values may give a clipped block before the largest
// value allowed is lowered by 10.
constexpr int kDrawsPerBound = 20;
// The largest value allowed at first, in steps of 10: 100.
constexpr int kBoundMax = kCoefMax / kChallengeValueStep;

// A number from 0 to count − 1, every one equally likely: outputs from the
// bottom, incomplete, run of the 2³² are refused. std::uniform_int_distribution
// would do it differently in each standard library.
std::uint32_t below(std::mt19937& generator, std::uint32_t count) {
  const std::uint32_t refused = static_cast<std::uint32_t>(-count) % count;  // 2³² mod count
  for (;;) {
    const auto draw = static_cast<std::uint32_t>(generator());
    if (draw >= refused) return draw % count;
  }
}

// One of ±10, ±20, ..., ±10 · bound.
std::int16_t drawValue(std::mt19937& generator, int bound) {
  const int k = static_cast<int>(below(generator, static_cast<std::uint32_t>(2 * bound)));
  const int steps = k < bound ? k - bound : k - bound + 1;
  return static_cast<std::int16_t>(steps * kChallengeValueStep);
}

// `count` distinct ranks among the first 3 · count: the first places of a
// partial shuffle.
std::array<int, kGridCount> drawRanks(std::mt19937& generator, int count) {
  std::array<int, kGridCount> ranks{};
  for (int r = 0; r < kGridCount; ++r) ranks[static_cast<std::size_t>(r)] = r;
  const auto pool = static_cast<std::uint32_t>(std::min(3 * count, kGridCount));
  for (std::uint32_t i = 0; i < static_cast<std::uint32_t>(count); ++i) {
    std::swap(ranks[i], ranks[i + below(generator, pool - i)]);
  }
  return ranks;
}

}  // namespace

CoefTable MakeChallenge(int level, std::uint32_t seed) {
  std::mt19937 generator(seed);
  const int count = std::clamp(level, kChallengeLevelMin, kChallengeLevelMax);
  const std::array<int, kGridCount> ranks = drawRanks(generator, count);
  CoefTable target;
  // With values of ±10 only, at most 10 of them sum to no more than 100 at
  // any pixel, so the last bound always gives a block without clipping.
  for (int bound = kBoundMax; bound >= 1; --bound) {
    for (int draw = 0; draw < kDrawsPerBound; ++draw) {
      for (int i = 0; i < count; ++i) {
        target.set(kZigZag[static_cast<std::size_t>(ranks[static_cast<std::size_t>(i)])],
                   drawValue(generator, bound));
      }
      if (!ReconstructBlock(target).Clipped) return target;
    }
  }
  return target;
}

ChallengeProgress ProgressTowards(const CoefTable& target, const CoefTable& window) {
  ChallengeProgress progress;
  for (int i = 0; i < kGridCount; ++i) {
    if (target.at(i) == 0) continue;
    ++progress.TargetCoefficients;
    if (window.at(i) == target.at(i)) ++progress.RightCoefficients;
  }
  const PixelBlock targetBlock = ReconstructBlock(target);
  const PixelBlock windowBlock = ReconstructBlock(window);
  for (std::size_t p = 0; p < targetBlock.Pixel.size(); ++p) {
    const int difference = std::abs(targetBlock.Pixel[p] - windowBlock.Pixel[p]);
    if (difference == 0) ++progress.EqualPixels;
    progress.MaxDifference = std::max(progress.MaxDifference, difference);
  }
  return progress;
}

std::optional<Hint> HintFor(const CoefTable& target, const CoefTable& window) {
  for (const int index : kZigZag) {
    if (target.at(index) != window.at(index)) return Hint{index, target.at(index)};
  }
  return std::nullopt;
}

}  // namespace dct
