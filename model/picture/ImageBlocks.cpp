#include "model/picture/ImageBlocks.h"

#include <algorithm>
#include <cstddef>

namespace dct {

int BlocksAcross(const GreyImage& image) { return (image.width() + kGridSide - 1) / kGridSide; }

int BlocksDown(const GreyImage& image) { return (image.height() + kGridSide - 1) / kGridSide; }

std::optional<BlockLevels> ImageBlock(const GreyImage& image, int bx, int by) {
  if (bx < 0 || by < 0 || bx >= BlocksAcross(image) || by >= BlocksDown(image)) {
    return std::nullopt;
  }
  BlockLevels block{};
  for (int y = 0; y < kGridSide; ++y) {
    const int row = std::min(by * kGridSide + y, image.height() - 1);
    for (int x = 0; x < kGridSide; ++x) {
      const int column = std::min(bx * kGridSide + x, image.width() - 1);
      block[static_cast<std::size_t>(x + kGridSide * y)] = image.at(column, row);
    }
  }
  return block;
}

}  // namespace dct
