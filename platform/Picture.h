#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
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
  // The file's own name, without its folder; given also when it could not
  // be read.
  std::string name;
};

// The keys that an interactive picture box reports while it has the focus.
enum class PictureKey { Left, Right, Up, Down, PageUp, PageDown, Home, End };

// The size at which a picture of width × height pixels is drawn in a box of
// boxWidth × boxHeight: as large as fits, its proportions kept. Both
// editions draw a picture so, and map the pointer on it.
struct FittedSize {
  double width;
  double height;
};
inline FittedSize FitPicture(int width, int height, double boxWidth, double boxHeight) {
  const double scale = std::min(boxWidth / std::max(width, 1), boxHeight / std::max(height, 1));
  return {width * scale, height * scale};
}

// The pixel under a point, along one side of a picture of `pixels` pixels
// drawn `shown` screen pixels long, the point `offset` from where it starts;
// the nearest one at the edge for a point beyond. Both editions map the
// pointer alike, so a press lands on the same pixel in each.
inline int PixelAlong(double offset, double shown, int pixels) {
  const auto pixel = static_cast<int>(std::floor(offset * pixels / shown));
  return std::clamp(pixel, 0, pixels - 1);
}

}  // namespace dct::platform
