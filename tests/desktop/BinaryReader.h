#pragma once

#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>

namespace dct::desktop::test {

// Little-endian fields read from a span, each read checked against its end:
// a truncated file throws instead of reading past it.
class BinaryReader {
 public:
  explicit BinaryReader(std::span<const std::uint8_t> bytes, std::size_t offset = 0)
      : bytes_(bytes), offset_(offset) {}

  std::size_t Offset() const { return offset_; }
  std::size_t Remaining() const { return offset_ <= bytes_.size() ? bytes_.size() - offset_ : 0; }

  std::uint8_t U8() { return Bytes(1)[0]; }
  std::uint16_t U16() {
    const auto b = Bytes(2);
    return static_cast<std::uint16_t>(b[0] | b[1] << 8);
  }
  std::uint32_t U32() {
    const std::uint32_t low = U16();
    return low | static_cast<std::uint32_t>(U16()) << 16;
  }
  std::span<const std::uint8_t> Bytes(std::size_t count) {
    if (count > Remaining()) {
      throw std::runtime_error("truncated: " + std::to_string(count) + " bytes wanted at offset " +
                               std::to_string(offset_));
    }
    const auto part = bytes_.subspan(offset_, count);
    offset_ += count;
    return part;
  }
  // A UTF-16 text up to its terminating 0, as ASCII (what the tests compare).
  std::string Utf16Text() {
    std::string text;
    for (std::uint16_t c = U16(); c != 0; c = U16()) {
      text.push_back(c < 0x80 ? static_cast<char>(c) : '?');
    }
    return text;
  }
  // Skips to the next multiple of 4 from `base`, as resource structures align.
  void AlignTo4(std::size_t base) {
    while ((offset_ - base) % 4 != 0) ++offset_;
  }

 private:
  std::span<const std::uint8_t> bytes_;
  std::size_t offset_;
};

}  // namespace dct::desktop::test
