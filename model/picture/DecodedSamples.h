#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <variant>

#include "model/picture/PictureFault.h"

namespace dct {

// A picture's samples as the decoder gives them, the values stored in the
// file with no colour profile or gamma applied: row by row from the top,
// `channels` samples a pixel (1 grey, 2 grey and alpha, 3 RGB, 4 RGBA, alpha
// not premultiplied), each 8 bits, or 16 in the machine's byte order.
struct DecodedSamples {
  int width = 0;
  int height = 0;
  int channels = 0;
  bool sixteenBit = false;
  std::unique_ptr<std::uint8_t, void (*)(std::uint8_t*)> data{nullptr, nullptr};

  std::size_t count() const {
    return static_cast<std::size_t>(width) * static_cast<std::size_t>(height) *
           static_cast<std::size_t>(channels);
  }
  std::span<const std::uint8_t> eightBit() const { return {data.get(), count()}; }
  std::span<const std::uint16_t> sixteen() const {
    return {reinterpret_cast<const std::uint16_t*>(data.get()), count()};
  }
};

// Decodes a PNG or JPEG file whose structure has been checked, with the
// decoder that every edition compiles from the same source; 16 bits a sample
// when asked (for a 16-bit PNG), else 8. A file that the decoder cannot read
// after all is Damaged; one whose decoding would need more memory than there
// is, OutOfMemory.
std::variant<DecodedSamples, PictureFaultKind> DecodeSamples(std::span<const std::uint8_t> bytes,
                                                             bool sixteenBit);

}  // namespace dct
