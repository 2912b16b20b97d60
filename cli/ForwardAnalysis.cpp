#include "cli/ForwardAnalysis.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdlib>

#include "model/ReconstructBlock.h"

namespace dct::cli {
namespace {

// The pixel value the window would show for the given value.
int Shown(double value) {
  return static_cast<int>(std::clamp(std::floor(value), double{kPixelMin}, double{kPixelMax}));
}

}  // namespace

ForwardAnalysis AnalyseBlock(const PixelValues& values, PixelForm form, bool round) {
  BlockSums sums{};
  for (std::size_t p = 0; p < sums.size(); ++p) {
    sums[p] = form == PixelForm::Levels ? values[p] + 0.5 : values[p];
  }
  ForwardAnalysis analysis{ForwardTransform(sums), std::nullopt};
  if (!round) return analysis;
  RoundedCoefficients rounded{RoundCoefficients(analysis.coefficients), {}, 0};
  rounded.block = ReconstructBlock(rounded.table);
  for (std::size_t p = 0; p < values.size(); ++p) {
    rounded.maxDifference =
        std::max(rounded.maxDifference, std::abs(rounded.block.Pixel[p] - Shown(values[p])));
  }
  analysis.rounded = std::move(rounded);
  return analysis;
}

}  // namespace dct::cli
