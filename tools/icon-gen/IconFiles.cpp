#include "IconFiles.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace dct::icon {
namespace {

using platform::IndexedImage;

void checkPixels(const IndexedImage& image) {
  if (image.width < 1 || image.height < 1 ||
      image.pixels.size() !=
          static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height)) {
    throw std::invalid_argument("the image is empty or its pixels do not fill it");
  }
  for (const std::uint8_t index : image.pixels) {
    if (index >= image.palette.size()) {
      throw std::invalid_argument("pixel index " + std::to_string(index) +
                                  " lies outside the palette");
    }
  }
}

}  // namespace

IndexedImage ScaleNearest(const IndexedImage& image, int side) {
  checkPixels(image);
  if (image.width != image.height) throw std::invalid_argument("the image is not square");
  if (side < 1) throw std::invalid_argument("the side must be at least 1");
  IndexedImage scaled;
  scaled.width = side;
  scaled.height = side;
  scaled.palette = image.palette;
  const auto sourceSide = static_cast<std::size_t>(image.width);
  const auto targetSide = static_cast<std::size_t>(side);
  scaled.pixels.reserve(targetSide * targetSide);
  for (std::size_t y = 0; y < targetSide; ++y) {
    const std::size_t sourceRow = y * sourceSide / targetSide;
    for (std::size_t x = 0; x < targetSide; ++x) {
      scaled.pixels.push_back(image.pixels[sourceRow * sourceSide + x * sourceSide / targetSide]);
    }
  }
  return scaled;
}

QImage ToQImage(const IndexedImage& image) {
  checkPixels(image);
  QImage qimage(image.width, image.height, QImage::Format_Indexed8);
  QList<QRgb> colours;
  for (const Rgb colour : image.palette) {
    colours.append(qRgb(RedOf(colour), GreenOf(colour), BlueOf(colour)));
  }
  qimage.setColorTable(colours);
  const auto width = static_cast<std::size_t>(image.width);
  for (int y = 0; y < image.height; ++y) {
    std::copy_n(
        image.pixels.begin() + static_cast<std::ptrdiff_t>(static_cast<std::size_t>(y) * width),
        width, qimage.scanLine(y));
  }
  return qimage;
}

}  // namespace dct::icon
