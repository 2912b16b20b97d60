#include "IcoReader.h"

#include <stdexcept>
#include <string>

#include "BinaryReader.h"

namespace dct::desktop::test {
namespace {

void expectField(const char* field, std::uint32_t actual, std::uint32_t expected) {
  if (actual != expected) {
    throw std::runtime_error(std::string(field) + " is " + std::to_string(actual) + ", expected " +
                             std::to_string(expected));
  }
}

std::uint32_t rowBytes(std::uint32_t bits) { return (bits + 31) / 32 * 4; }

}  // namespace

DecodedIco ReadIco(std::span<const std::uint8_t> file) {
  BinaryReader in(file);
  expectField("ICONDIR reserved", in.U16(), 0);
  expectField("ICONDIR type", in.U16(), 1);
  expectField("ICONDIR count", in.U16(), 1);
  const std::uint32_t entryWidth = in.U8();
  const std::uint32_t entryHeight = in.U8();
  expectField("ICONDIRENTRY colour count", in.U8(), 0);
  expectField("ICONDIRENTRY reserved", in.U8(), 0);
  expectField("ICONDIRENTRY planes", in.U16(), 1);
  expectField("ICONDIRENTRY bit count", in.U16(), 8);
  const std::uint32_t size = in.U32();
  const std::uint32_t offset = in.U32();
  expectField("file size", static_cast<std::uint32_t>(file.size()), offset + size);

  BinaryReader bmp(file, offset);
  expectField("biSize", bmp.U32(), 40);
  const std::uint32_t width = bmp.U32();
  const std::uint32_t doubleHeight = bmp.U32();
  const std::uint32_t height = doubleHeight / 2;
  expectField("biWidth (as the entry's byte)", width % 256, entryWidth);
  expectField("biHeight / 2 (as the entry's byte)", height % 256, entryHeight);
  expectField("biHeight", doubleHeight, 2 * height);
  expectField("biPlanes", bmp.U16(), 1);
  expectField("biBitCount", bmp.U16(), 8);
  expectField("biCompression", bmp.U32(), 0);
  const std::uint32_t colourRow = rowBytes(8 * width);
  const std::uint32_t maskRow = rowBytes(width);
  const std::uint32_t imageSize = bmp.U32();
  if (imageSize != 0) expectField("biSizeImage", imageSize, (colourRow + maskRow) * height);
  bmp.U32();  // resolution, unused by icons
  bmp.U32();
  const std::uint32_t coloursUsed = bmp.U32();
  if (coloursUsed != 0) expectField("biClrUsed", coloursUsed, 256);
  bmp.U32();  // important colours

  DecodedIco ico;
  ico.image.width = static_cast<int>(width);
  ico.image.height = static_cast<int>(height);
  for (int i = 0; i < 256; ++i) {
    const auto quad = bmp.Bytes(4);
    expectField("palette reserved byte", quad[3], 0);
    ico.image.palette.push_back(quad[2] | quad[1] << 8 | static_cast<Rgb>(quad[0]) << 16);
  }
  // Rows from the bottom: the last one read is the top of the image.
  ico.image.pixels.resize(static_cast<std::size_t>(width) * height);
  for (std::uint32_t row = height; row-- > 0;) {
    const auto bytes = bmp.Bytes(colourRow);
    std::copy(bytes.begin(), bytes.begin() + width,
              ico.image.pixels.begin() + static_cast<std::ptrdiff_t>(row * width));
  }
  ico.allOpaque = true;
  for (const std::uint8_t bits : bmp.Bytes(static_cast<std::size_t>(maskRow) * height)) {
    ico.allOpaque = ico.allOpaque && bits == 0;
  }
  expectField("bytes after the mask", static_cast<std::uint32_t>(bmp.Remaining()), 0);
  ico.bitmap = file.subspan(offset, size);
  return ico;
}

}  // namespace dct::desktop::test
