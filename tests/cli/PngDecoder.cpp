#include "PngDecoder.h"

#include <algorithm>
#include <string>
#include <vector>

namespace dct::cli::test {
namespace {

// Bit by bit, unlike the writer's table.
std::uint32_t BitwiseCrc32(std::span<const std::uint8_t> bytes) {
  std::uint32_t crc = 0xFFFFFFFFU;
  for (const std::uint8_t byte : bytes) {
    crc ^= byte;
    for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320U & (0U - (crc & 1U)));
  }
  return ~crc;
}

// A modulus at every step, unlike the writer's runs.
std::uint32_t SlowAdler32(std::span<const std::uint8_t> bytes) {
  std::uint32_t a = 1, b = 0;
  for (const std::uint8_t byte : bytes) {
    a = (a + byte) % 65521;
    b = (b + a) % 65521;
  }
  return (b << 16) | a;
}

std::uint32_t BigEndian(std::span<const std::uint8_t> b) {
  return std::uint32_t{b[0]} << 24 | std::uint32_t{b[1]} << 16 | std::uint32_t{b[2]} << 8 | b[3];
}

Result<std::vector<std::uint8_t>> InflateStored(std::span<const std::uint8_t> z) {
  if (z.size() < 2 || (z[0] & 0x0F) != 8 || (z[0] * 256 + z[1]) % 31 != 0 || (z[1] & 0x20) != 0) {
    return Failure{"bad zlib header"};
  }
  std::vector<std::uint8_t> data;
  auto rest = z.subspan(2);
  for (bool last = false; !last;) {
    if (rest.size() < 5) return Failure{"truncated block header"};
    if ((rest[0] & 0x06) != 0) return Failure{"not a stored block"};
    last = (rest[0] & 0x01) != 0;
    const unsigned length = rest[1] | unsigned{rest[2]} << 8;
    if ((length ^ 0xFFFFU) != (rest[3] | unsigned{rest[4]} << 8)) return Failure{"bad NLEN"};
    if (rest.size() - 5 < length) return Failure{"block runs past the stream"};
    data.insert(data.end(), rest.begin() + 5, rest.begin() + 5 + length);
    rest = rest.subspan(5 + length);
  }
  if (rest.size() != 4 || SlowAdler32(data) != BigEndian(rest)) return Failure{"bad Adler-32"};
  return data;
}

}  // namespace

Result<PngImage> DecodeStoredPng(std::span<const std::uint8_t> file) {
  const std::uint8_t signature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  if (file.size() < 8 || !std::equal(signature, signature + 8, file.begin())) {
    return Failure{"bad signature"};
  }
  std::vector<std::string> types;
  std::span<const std::uint8_t> header;
  std::vector<std::uint8_t> zlib;
  for (auto rest = file.subspan(8); !rest.empty();) {
    if (rest.size() < 12 || rest.size() - 12 < BigEndian(rest)) return Failure{"truncated chunk"};
    const auto typeAndData = rest.subspan(4, 4 + BigEndian(rest));
    if (BitwiseCrc32(typeAndData) != BigEndian(rest.subspan(typeAndData.size() + 4))) {
      return Failure{"bad CRC"};
    }
    types.emplace_back(typeAndData.begin(), typeAndData.begin() + 4);
    const auto data = typeAndData.subspan(4);
    if (types.back() == "IHDR") header = data;
    if (types.back() == "IDAT") zlib.insert(zlib.end(), data.begin(), data.end());
    rest = rest.subspan(typeAndData.size() + 8);
  }
  if (types.size() != 3 || types[0] != "IHDR" || types[1] != "IDAT" || types[2] != "IEND") {
    return Failure{"chunks are not IHDR, IDAT, IEND"};
  }
  if (header.size() != 13 || header[8] != 8 || (header[9] != 0 && header[9] != 6) ||
      header[10] != 0 || header[11] != 0 || header[12] != 0) {
    return Failure{"IHDR is not 8-bit grey or RGBA, deflate, no interlace"};
  }
  const auto lines = InflateStored(zlib);
  if (!lines.ok()) return lines.failure();

  PngImage image{BigEndian(header), BigEndian(header.subspan(4)), PngColour{header[9]}, {}};
  const auto rowBytes = static_cast<std::ptrdiff_t>(image.width) * (header[9] == 6 ? 4 : 1);
  if (lines.value().size() != static_cast<std::size_t>(rowBytes + 1) * image.height) {
    return Failure{"wrong data size"};
  }
  for (auto line = lines.value().begin(); line != lines.value().end(); line += rowBytes + 1) {
    if (*line != 0) return Failure{"a row does not use filter type 0"};
    image.samples.insert(image.samples.end(), line + 1, line + 1 + rowBytes);
  }
  return image;
}

}  // namespace dct::cli::test
