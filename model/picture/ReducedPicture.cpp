#include "ReducedPicture.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace dct {

GreyImage ReducedToFit(const GreyImage& image, int maxSide) {
  const int longest = std::max(image.width(), image.height());
  if (longest <= maxSide) return image;
  const int k = (longest + maxSide - 1) / maxSide;
  const int width = (image.width() + k - 1) / k;
  const int height = (image.height() + k - 1) / k;
  std::vector<std::uint8_t> levels;
  levels.reserve(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      long sum = 0;
      int count = 0;
      for (int sy = y * k; sy < std::min(image.height(), (y + 1) * k); ++sy) {
        for (int sx = x * k; sx < std::min(image.width(), (x + 1) * k); ++sx) {
          sum += image.at(sx, sy);
          ++count;
        }
      }
      levels.push_back(static_cast<std::uint8_t>((2 * sum + count) / (2 * count)));
    }
  }
  return *GreyImage::Make(width, height, std::move(levels));
}

}  // namespace dct
