#pragma once

#include <optional>

#include "cli/TableReader.h"
#include "model/CoefTable.h"
#include "model/ForwardTransform.h"
#include "model/PixelBlock.h"

namespace dct::cli {

// What --round adds: the coefficients as the window would hold them, the
// block the window makes of them, and how far it lies from the given one.
struct RoundedCoefficients {
  CoefTable table;
  PixelBlock block;
  // The largest |pixel − shown| over the block, where shown is the pixel
  // value that the given value stands for in the window: the value itself
  // for levels, else the sum rounded down and limited to -127..127.
  int maxDifference = 0;
};

struct ForwardAnalysis {
  RealCoefficients coefficients{};
  std::optional<RoundedCoefficients> rounded;
};

// The coefficients whose unrounded sums give the block back. Levels stand
// for the sums in [V, V + 1) that the window rounds down to V, and are taken
// as V + 0.5, the middle, which no sum of the interval lies farther than
// half a level from. `round` adds the rounded table and its block.
ForwardAnalysis AnalyseBlock(const PixelValues& values, PixelForm form, bool round);

}  // namespace dct::cli
