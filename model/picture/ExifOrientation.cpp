#include "model/picture/ExifOrientation.h"

#include <cstddef>
#include <optional>

namespace dct {
namespace {

constexpr int kAsStored = 1;
constexpr std::uint16_t kOrientationTag = 0x0112;
constexpr std::uint16_t kShortType = 3;
constexpr std::size_t kHeaderSize = 8;
constexpr std::size_t kEntrySize = 12;

// Reads whole numbers of TIFF's byte order, nothing beyond the bytes.
class TiffBytes {
 public:
  TiffBytes(std::span<const std::uint8_t> bytes, bool bigEndian)
      : bytes_(bytes), bigEndian_(bigEndian) {}

  std::optional<std::uint32_t> read(std::size_t at, std::size_t size) const {
    if (at > bytes_.size() || size > bytes_.size() - at) return std::nullopt;
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < size; ++i) {
      const std::uint32_t byte = bytes_[at + (bigEndian_ ? i : size - 1 - i)];
      value = value << 8 | byte;
    }
    return value;
  }

 private:
  std::span<const std::uint8_t> bytes_;
  bool bigEndian_;
};

}  // namespace

int ExifOrientation(std::span<const std::uint8_t> tiff) {
  if (tiff.size() < kHeaderSize || tiff[0] != tiff[1] || (tiff[0] != 'I' && tiff[0] != 'M')) {
    return kAsStored;
  }
  const TiffBytes in(tiff, tiff[0] == 'M');
  if (in.read(2, 2) != 42U) return kAsStored;
  const auto directory = in.read(4, 4);
  if (!directory || *directory < kHeaderSize) return kAsStored;
  const auto count = in.read(*directory, 2);
  if (!count) return kAsStored;
  for (std::size_t i = 0; i < *count; ++i) {
    const std::size_t entry = *directory + 2 + i * kEntrySize;
    const auto tag = in.read(entry, 2);
    if (!tag || !in.read(entry, kEntrySize)) return kAsStored;
    if (*tag != kOrientationTag) continue;
    const auto value = in.read(entry + 8, 2);
    const bool single = in.read(entry + 2, 2) == kShortType && in.read(entry + 4, 4) == 1U;
    return single && *value >= 1 && *value <= 8 ? static_cast<int>(*value) : kAsStored;
  }
  return kAsStored;
}

}  // namespace dct
