#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "IndexedImage.h"

namespace dct::desktop::test {

// A Windows icon file of one 8-bit bitmap image, read back field by field.
struct DecodedIco {
  platform::IndexedImage image;          // rows from the top; all 256 palette entries
  std::span<const std::uint8_t> bitmap;  // the image's bytes, as a resource embeds them
  bool allOpaque = false;                // the AND mask is all 0
};

// Throws std::runtime_error naming the first field that is not what an icon
// of one uncompressed 8-bit image with a 256-colour palette must hold.
DecodedIco ReadIco(std::span<const std::uint8_t> file);

}  // namespace dct::desktop::test
