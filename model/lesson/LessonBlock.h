#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "BlockLevels.h"
#include "CoefTable.h"
#include "ForwardTransform.h"
#include "JpegQuantisation.h"

namespace dct {

// How the lesson compresses a block: JPEG's quantisation at a quality, or
// none, then only the first Kept coefficients in zig-zag order.
struct Compression {
  // 1..100 (outside it, the nearer end); nothing: no quantisation.
  std::optional<int> Quality;
  // 0..64 (outside it, the nearer end).
  int Kept = kGridCount;

  bool operator==(const Compression&) const = default;
};

// Why a coefficient that the block's own table has is 0 in the lesson's.
enum class Zeroed : std::uint8_t {
  No,
  // Its quantised value is 0 once rounded to a whole number.
  ByQuantisation,
  // It lies beyond the first Kept in zig-zag order (and quantisation had
  // left it).
  ByKeeping,
};

// Everything the lesson shows of one block of a picture, and dct-block
// --image prints: both take it from ComputeLessonBlock, so that their
// numbers cannot differ. Coefficients and steps are by index 8·v + u,
// levels and pixels by index 8·y + x.
struct LessonBlock {
  // The forward transform of the window's own cosine matrix applied to the
  // values level − 128: the coefficients whose sums are those values, to a
  // multiple of 2^-32 so that every build rounds their halves alike.
  RealCoefficients Real{};
  // The quantisation steps in the window's units; nothing without a quality.
  std::optional<RealSteps> Steps;
  // Each real coefficient divided by its step, rounded to the nearest whole
  // number (halves away from zero, as the reference JPEG library rounds)
  // and multiplied by the step again; the real ones without a quality. All
  // but the first Kept in zig-zag order are 0.
  RealCoefficients Compressed{};
  // What the window receives: Compressed rounded to whole numbers, halves to
  // even, and limited to -100..100, as RoundCoefficients does.
  CoefTable Table;
  // How many of those had to be limited to ±100.
  int Limited = 0;
  // Which coefficients are 0 in Table but not in RoundCoefficients(Real),
  // and why; ZeroedCount counts them.
  std::array<Zeroed, kGridCount> Zeroes{};
  int ZeroedCount = 0;
};

LessonBlock ComputeLessonBlock(const BlockLevels& original, const Compression& compression);

}  // namespace dct
