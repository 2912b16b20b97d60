#include "model/lesson/BasisPatterns.h"

#include <cstddef>
#include <vector>

#include "model/ReconstructBlock.h"
#include "model/lesson/BlockMeasures.h"

namespace dct {

GreyImage BasisPatterns(std::int16_t value, int scale, int line) {
  const int blockSide = kGridSide * scale;
  const int pitch = blockSide + line;
  const int side = kGridSide * pitch + line;
  const auto at = [side](int x, int y) {
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(side) +
           static_cast<std::size_t>(x);
  };
  std::vector<std::uint8_t> levels(at(0, side), kSheetLineLevel);
  for (int index = 0; index < kGridCount; ++index) {
    CoefTable table;
    table.set(index, value);
    const BlockLevels block = LevelsOf(ReconstructBlock(table));
    const int left = line + (index % kGridSide) * pitch;
    const int top = line + (index / kGridSide) * pitch;
    for (int y = 0; y < blockSide; ++y) {
      for (int x = 0; x < blockSide; ++x) {
        levels[at(left + x, top + y)] =
            block[static_cast<std::size_t>(x / scale + kGridSide * (y / scale))];
      }
    }
  }
  return *GreyImage::Make(side, side, std::move(levels));
}

}  // namespace dct
