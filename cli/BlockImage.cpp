#include "BlockImage.h"

#include <cstdint>

namespace dct::cli {

PngImage BlockImage(const PixelBlock& block, int scale) {
  const auto side = static_cast<std::uint32_t>(kGridSide * scale);
  PngImage image{side, side, PngColour::Grey, {}};
  image.samples.reserve(std::size_t{side} * side);
  for (std::uint32_t row = 0; row < side; ++row) {
    const auto y = static_cast<int>(row) / scale;
    for (std::uint32_t column = 0; column < side; ++column) {
      const auto x = static_cast<int>(column) / scale;
      const int level = block.Pixel[static_cast<std::size_t>(x + kGridSide * y)] + 128;
      image.samples.push_back(static_cast<std::uint8_t>(level));
    }
  }
  return image;
}

}  // namespace dct::cli
