#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "PictureLimits.h"

namespace dct::platform {

// Levels 0..255 (0 black), row by row from the top: what a picture box shows.
struct GreyPixels {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> levels;
};

// An image file as the toolkit's own decoder gave it: 4 bytes a pixel, red,
// green, blue and alpha (not premultiplied), row by row from the top. Empty
// when the file could not be read as an image.
struct DecodedImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> rgba;
};

enum class ArrowKey { Left, Right, Up, Down };

// The pixel under a point, along one side of a picture of `pixels` pixels
// drawn `shown` screen pixels long, the point `offset` from where it starts;
// the nearest one at the edge for a point beyond. Both editions map the
// pointer alike, so a press lands on the same pixel in each.
inline int PixelAlong(double offset, double shown, int pixels) {
  const auto pixel = static_cast<int>(std::floor(offset * pixels / shown));
  return std::clamp(pixel, 0, pixels - 1);
}

}  // namespace dct::platform
