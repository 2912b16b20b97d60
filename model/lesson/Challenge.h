#pragma once

#include <cstdint>
#include <optional>

#include "model/CoefTable.h"
#include "model/PixelBlock.h"

namespace dct {

inline constexpr int kChallengeLevelMin = 1;
inline constexpr int kChallengeLevelMax = 10;
// Every value of a made challenge is a non-zero multiple of this, so that the
// value bar's track, which moves by 10, reaches it.
inline constexpr int kChallengeValueStep = 10;

// A target table for a challenge of the given level (1..10; outside it, the
// nearer end): `level` non-zero coefficients at positions drawn among the
// first 3 · level in zig-zag order, so the low frequencies come first, each
// a multiple of 10 within -100..100, not 0. No pixel of the target is
// clipped, so that each shows what its sum gives: the values are drawn again
// while the block is clipped, and after every 20 such draws the largest
// value allowed drops by 10, from 100. The same seed gives the same table
// with every compiler and standard library: it takes the raw output of
// std::mt19937, which the C++ standard fixes, and maps it itself.
CoefTable MakeChallenge(int level, std::uint32_t seed);

// How far the window is from a challenge's target, in measures that each
// right step improves.
struct ChallengeProgress {
  // Of the target's coefficients that are not 0, how many the window holds
  // at the target's value; and how many there are.
  int RightCoefficients = 0;
  int TargetCoefficients = 0;
  // How many of the 64 pixels of the window's block equal the target's, and
  // the largest difference of the others.
  int EqualPixels = 0;
  int MaxDifference = 0;

  // All 64 pixels equal: solved, whatever the tables behind them.
  bool Solved() const { return EqualPixels == kGridCount; }
};
ChallengeProgress ProgressTowards(const CoefTable& target, const CoefTable& window);

// A coefficient that the window still has wrong, and the value the target
// has there.
struct Hint {
  int Index;  // 8·v + u
  std::int16_t Value;

  bool operator==(const Hint&) const = default;
};

// The first coefficient in zig-zag order whose value in the window differs
// from the target's; nothing when all 64 agree.
std::optional<Hint> HintFor(const CoefTable& target, const CoefTable& window);

}  // namespace dct
