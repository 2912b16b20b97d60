#include "cli/BlockImage.h"

#include <algorithm>
#include <cstddef>

namespace dct::cli {

QImage BlockImage(const PixelBlock& block, int scale) {
  const int side = kGridSide * scale;
  QImage image(side, side, QImage::Format_Grayscale8);
  // Squares drawn here rather than by QImage::scaled, whose nearest-pixel
  // scaling strays by a pixel at some factors.
  for (int row = 0; row < side; ++row) {
    uchar* line = image.scanLine(row);
    for (int column = 0; column < side; ++column) {
      // The window's own colour, whose red, green and blue are all the grey.
      const Rgb colour =
          block.Colour[static_cast<std::size_t>(column / scale + kGridSide * (row / scale))];
      line[column] = static_cast<uchar>(RedOf(colour));
    }
  }
  return image;
}

QImage GreyQImage(const GreyImage& picture) {
  QImage image(picture.width(), picture.height(), QImage::Format_Grayscale8);
  const auto width = static_cast<std::size_t>(picture.width());
  for (int row = 0; row < picture.height(); ++row) {
    std::copy_n(picture.levels().begin() +
                    static_cast<std::ptrdiff_t>(width * static_cast<std::size_t>(row)),
                width, image.scanLine(row));
  }
  return image;
}

}  // namespace dct::cli
