#include "PngWriter.h"

#include <algorithm>
#include <array>
#include <span>
#include <stdexcept>

#include "Checksums.h"

namespace dct::cli {
namespace {

constexpr std::array<std::uint8_t, 8> kSignature{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
constexpr std::uint32_t kMaxSide = 0x7FFFFFFFU;
constexpr std::size_t kMaxChunkLength = 0x7FFFFFFFU;
constexpr std::size_t kMaxStoredBlock = 0xFFFF;
constexpr std::uint8_t kFilterNone = 0;

void AppendBigEndian(std::vector<std::uint8_t>& out, std::uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8)
    out.push_back(static_cast<std::uint8_t>(value >> shift));
}

void AppendLittleEndian16(std::vector<std::uint8_t>& out, std::size_t value) {
  out.push_back(static_cast<std::uint8_t>(value & 0xFFU));
  out.push_back(static_cast<std::uint8_t>((value >> 8) & 0xFFU));
}

}  // namespace

int PngWriter::BytesPerPixel(PngColour colour) { return colour == PngColour::Rgba ? 4 : 1; }

std::vector<std::uint8_t> PngWriter::Encode(const PngImage& image) {
  if (image.width == 0 || image.height == 0 || image.width > kMaxSide || image.height > kMaxSide) {
    throw std::invalid_argument("PNG sides must lie within 1..2^31-1");
  }
  const auto expected = static_cast<unsigned long long>(image.width) * image.height *
                        static_cast<unsigned>(BytesPerPixel(image.colour));
  if (image.samples.size() != expected) {
    throw std::invalid_argument("PNG samples do not fill the image");
  }
  std::vector<std::uint8_t> file(kSignature.begin(), kSignature.end());
  std::vector<std::uint8_t> header;
  AppendBigEndian(header, image.width);
  AppendBigEndian(header, image.height);
  const std::uint8_t bitDepth = 8;
  const std::uint8_t compression = 0, filter = 0, interlace = 0;
  header.insert(header.end(), {bitDepth, static_cast<std::uint8_t>(image.colour), compression,
                               filter, interlace});
  AppendChunk(file, "IHDR", header);
  const std::vector<std::uint8_t> compressed = ZlibStored(Scanlines(image));
  if (compressed.size() > kMaxChunkLength) {
    throw std::invalid_argument("PNG image too large for one IDAT chunk");
  }
  AppendChunk(file, "IDAT", compressed);
  AppendChunk(file, "IEND", {});
  return file;
}

std::vector<std::uint8_t> PngWriter::Scanlines(const PngImage& image) {
  const std::size_t rowBytes =
      std::size_t{image.width} * static_cast<std::size_t>(BytesPerPixel(image.colour));
  std::vector<std::uint8_t> lines;
  lines.reserve((rowBytes + 1) * image.height);
  for (std::size_t row = 0; row < image.height; ++row) {
    lines.push_back(kFilterNone);
    const auto start = image.samples.begin() + static_cast<std::ptrdiff_t>(row * rowBytes);
    lines.insert(lines.end(), start, start + static_cast<std::ptrdiff_t>(rowBytes));
  }
  return lines;
}

std::vector<std::uint8_t> PngWriter::ZlibStored(const std::vector<std::uint8_t>& data) {
  // CMF 0x78: deflate with a 32 KiB window; FLG 0x01 makes CMF·256 + FLG a
  // multiple of 31, as zlib requires, with no preset dictionary.
  std::vector<std::uint8_t> stream{0x78, 0x01};
  std::size_t offset = 0;
  do {
    const std::size_t length = std::min(kMaxStoredBlock, data.size() - offset);
    const bool last = offset + length == data.size();
    stream.push_back(last ? 1 : 0);  // BFINAL, and BTYPE 00: stored
    AppendLittleEndian16(stream, length);
    AppendLittleEndian16(stream, ~length & 0xFFFFU);
    stream.insert(stream.end(), data.begin() + static_cast<std::ptrdiff_t>(offset),
                  data.begin() + static_cast<std::ptrdiff_t>(offset + length));
    offset += length;
  } while (offset < data.size());
  AppendBigEndian(stream, Adler32(data));
  return stream;
}

void PngWriter::AppendChunk(std::vector<std::uint8_t>& file, const char (&type)[5],
                            const std::vector<std::uint8_t>& data) {
  AppendBigEndian(file, static_cast<std::uint32_t>(data.size()));
  const std::size_t typeStart = file.size();
  file.insert(file.end(), type, type + 4);
  file.insert(file.end(), data.begin(), data.end());
  // The CRC covers the chunk type and its data, not the length.
  AppendBigEndian(file, Crc32(std::span(file).subspan(typeStart)));
}

}  // namespace dct::cli
