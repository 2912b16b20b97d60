#pragma once

#include <cstdint>
#include <vector>

#include "common/Colour.h"

namespace dct::platform {

// A palette image: one byte per pixel, an index into up to 256 colours.
struct IndexedImage {
  int width = 0;
  int height = 0;
  std::vector<Rgb> palette;
  std::vector<std::uint8_t> pixels;  // row by row from the top
};

}  // namespace dct::platform
