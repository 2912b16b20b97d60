#include "BasisSheet.h"

#include <cstddef>

#include "ReconstructBlock.h"

namespace dct::cli {

PngImage BasisSheetImage(std::int16_t value, int scale) {
  const int blockSide = kGridSide * scale;
  const int pitch = blockSide + kSheetLineWidth;
  const int side = kGridSide * pitch + kSheetLineWidth;
  const auto at = [](int i) { return static_cast<std::size_t>(i); };
  PngImage image{static_cast<std::uint32_t>(side), static_cast<std::uint32_t>(side),
                 PngColour::Grey, std::vector<std::uint8_t>(at(side) * at(side), kSheetLineLevel)};
  for (int v = 0; v < kGridSide; ++v) {
    for (int u = 0; u < kGridSide; ++u) {
      CoefTable table;
      table.set(u + kGridSide * v, value);
      const PixelBlock block = ReconstructBlock(table);
      const int left = kSheetLineWidth + u * pitch;
      const int top = kSheetLineWidth + v * pitch;
      for (int row = 0; row < blockSide; ++row) {
        for (int column = 0; column < blockSide; ++column) {
          // The window's own colour, whose red, green and blue are all the grey.
          const Rgb colour = block.Colour[at(column / scale + kGridSide * (row / scale))];
          image.samples[at(top + row) * at(side) + at(left + column)] =
              static_cast<std::uint8_t>(colour & 0xFFU);
        }
      }
    }
  }
  return image;
}

}  // namespace dct::cli
