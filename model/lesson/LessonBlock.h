#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "model/CoefTable.h"
#include "model/jpeg/JpegQuantisation.h"
#include "model/jpeg/JpegTransform.h"
#include "model/picture/BlockLevels.h"

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

// Why a coefficient that is not 0 in JPEG's own units (|F| of a half or
// more) is 0 once compressed.
enum class Zeroed : std::uint8_t {
  No,
  // Its quantised value is 0.
  ByQuantisation,
  // It lies beyond the first Kept in zig-zag order (and quantisation had
  // left it).
  ByKeeping,
};

// Everything the lesson shows of one block of a picture, and dct-block
// --image prints: both take it from ComputeLessonBlock, so that their
// numbers cannot differ. Coefficients and steps are by index 8·v + u,
// levels by index 8·y + x.
//
// Two losses, apart. JPEG's is what a codec makes of the block, with the
// true π and real numbers. The window adds its own: it holds whole numbers
// in its units (JPEG's coefficient × ¼·C(u)·C(v), so that one of its units
// is 4 to 8 of JPEG's) within ±100.
struct LessonBlock {
  // JPEG's steps at the quality; nothing without one.
  std::optional<StepTable> Steps;
  // The whole numbers that a JPEG file holds for the block (all but the
  // first Kept 0); without a quality, all 0.
  QuantisedBlock Quantised{};
  // What a decoder makes of them: JPEG's inverse transform, each level
  // rounded half up. Without a quality, of the real coefficients kept, so
  // that with all 64 kept it is the original block.
  BlockLevels JpegLevels{};
  // Which coefficients compression made 0 in JPEG's units, and why;
  // ZeroedCount counts them.
  std::array<Zeroed, kGridCount> Zeroes{};
  int ZeroedCount = 0;
  // What the window receives. With a quality, each quantised value times
  // its step in the window's units; without, the coefficients whose sums in
  // the window are the block's values (the forward transform of its own
  // cosine matrix), the first Kept of them. Either rounded to whole numbers,
  // halves to even, and limited to -100..100.
  CoefTable Table;
  // How many of those had to be limited to ±100.
  int Limited = 0;
};

LessonBlock ComputeLessonBlock(const BlockLevels& original, const Compression& compression);

}  // namespace dct
