#include "IconFiles.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace dct::icon {
namespace {

using platform::IndexedImage;

constexpr std::size_t kIcoPaletteSize = 256;
constexpr std::uint32_t kIcoDirSize = 6;
constexpr std::uint32_t kIcoEntrySize = 16;
constexpr std::uint32_t kBitmapInfoSize = 40;

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

// Rows of bits or bytes in a bitmap are padded to whole 32-bit words.
std::uint32_t paddedRow(std::uint32_t bytes) { return (bytes + 3U) / 4U * 4U; }

void put16(std::vector<std::uint8_t>& out, std::uint32_t value) {
  out.push_back(static_cast<std::uint8_t>(value & 0xFFU));
  out.push_back(static_cast<std::uint8_t>((value >> 8) & 0xFFU));
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t value) {
  put16(out, value & 0xFFFFU);
  put16(out, value >> 16);
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

std::vector<std::uint8_t> EncodeIco(const IndexedImage& image) {
  checkPixels(image);
  if (image.width > 256 || image.height > 256) {
    throw std::invalid_argument("an icon image is at most 256 pixels on a side");
  }
  if (image.palette.size() > kIcoPaletteSize) {
    throw std::invalid_argument("an 8-bit icon has at most 256 colours");
  }
  const auto width = static_cast<std::uint32_t>(image.width);
  const auto height = static_cast<std::uint32_t>(image.height);
  const std::uint32_t colourRow = paddedRow(width);
  const std::uint32_t maskRow = paddedRow((width + 7U) / 8U);
  const std::uint32_t pixelBytes = (colourRow + maskRow) * height;
  const auto paletteBytes = static_cast<std::uint32_t>(kIcoPaletteSize * 4U);
  const std::uint32_t bitmapBytes = kBitmapInfoSize + paletteBytes + pixelBytes;

  std::vector<std::uint8_t> out;
  out.reserve(kIcoDirSize + kIcoEntrySize + bitmapBytes);
  // ICONDIR: reserved, type 1 (icon), one image.
  put16(out, 0);
  put16(out, 1);
  put16(out, 1);
  // ICONDIRENTRY: 0 stands for 256 in the one-byte sides and for "256 or
  // more" in the colour count.
  out.push_back(static_cast<std::uint8_t>(width & 0xFFU));
  out.push_back(static_cast<std::uint8_t>(height & 0xFFU));
  out.push_back(0);  // colour count
  out.push_back(0);  // reserved
  put16(out, 1);     // planes
  put16(out, 8);     // bits per pixel
  put32(out, bitmapBytes);
  put32(out, kIcoDirSize + kIcoEntrySize);
  // BITMAPINFOHEADER: the height counts the colour rows and the mask rows.
  put32(out, kBitmapInfoSize);
  put32(out, width);
  put32(out, 2U * height);
  put16(out, 1);  // planes
  put16(out, 8);  // bits per pixel
  put32(out, 0);  // BI_RGB: no compression
  put32(out, pixelBytes);
  put32(out, 0);  // horizontal resolution: unspecified
  put32(out, 0);  // vertical resolution
  put32(out, 0);  // colours used: all 256
  put32(out, 0);  // important colours: all
  // The palette as blue, green, red, reserved; unused entries black.
  for (std::size_t i = 0; i < kIcoPaletteSize; ++i) {
    const Rgb colour = i < image.palette.size() ? image.palette[i] : 0;
    out.push_back(static_cast<std::uint8_t>(BlueOf(colour)));
    out.push_back(static_cast<std::uint8_t>(GreenOf(colour)));
    out.push_back(static_cast<std::uint8_t>(RedOf(colour)));
    out.push_back(0);
  }
  for (std::uint32_t row = height; row-- > 0;) {
    const auto first = image.pixels.begin() + static_cast<std::ptrdiff_t>(row * width);
    out.insert(out.end(), first, first + static_cast<std::ptrdiff_t>(width));
    out.insert(out.end(), colourRow - width, 0);
  }
  out.insert(out.end(), static_cast<std::size_t>(maskRow) * height, 0);
  return out;
}

}  // namespace dct::icon
