#include "model/picture/PaddedPalette.h"

#include <algorithm>

#include "model/picture/Crc32.h"

namespace dct {
namespace {

constexpr std::size_t kEntrySize = 3;
constexpr std::size_t kLengthAndName = 8;
constexpr std::size_t kCrcSize = 4;

void AppendBe32(std::vector<std::uint8_t>& out, std::uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8)
    out.push_back(static_cast<std::uint8_t>(value >> shift));
}

}  // namespace

std::optional<PaddedPalette> PadPalette(std::span<const std::uint8_t> bytes,
                                        const PictureLayout& layout) {
  if (layout.paletteEntries >= layout.paletteIndices) return std::nullopt;
  const auto entries = static_cast<std::size_t>(layout.paletteEntries);
  const auto indices = static_cast<std::size_t>(layout.paletteIndices);
  const auto palette = bytes.subspan(layout.paletteChunk + kLengthAndName, entries * kEntrySize);

  // Fewer than 256 entries: one of the 256 reds with no green or blue is free.
  PaddedPalette padded{{}, {0, 0, 0}};
  for (int red = 0; red < 256; ++red) {
    padded.marker[0] = static_cast<std::uint8_t>(red);
    bool taken = false;
    for (std::size_t e = 0; e < entries && !taken; ++e) {
      taken = std::equal(padded.marker.begin(), padded.marker.end(),
                         palette.begin() + static_cast<std::ptrdiff_t>(e * kEntrySize));
    }
    if (!taken) break;
  }

  std::vector<std::uint8_t> chunk{'P', 'L', 'T', 'E'};
  chunk.insert(chunk.end(), palette.begin(), palette.end());
  for (std::size_t e = entries; e < indices; ++e) {
    chunk.insert(chunk.end(), padded.marker.begin(), padded.marker.end());
  }
  const std::uint32_t crc = Crc32(chunk);

  const auto before = bytes.first(layout.paletteChunk);
  const auto after =
      bytes.subspan(layout.paletteChunk + kLengthAndName + palette.size() + kCrcSize);
  padded.bytes.reserve(bytes.size() + (indices - entries) * kEntrySize);
  padded.bytes.assign(before.begin(), before.end());
  AppendBe32(padded.bytes, static_cast<std::uint32_t>(indices * kEntrySize));
  padded.bytes.insert(padded.bytes.end(), chunk.begin(), chunk.end());
  AppendBe32(padded.bytes, crc);
  padded.bytes.insert(padded.bytes.end(), after.begin(), after.end());
  return padded;
}

}  // namespace dct
