#pragma once

#include <array>
#include <string_view>

#include "common/Colour.h"
#include "common/Grid.h"

namespace dct {

inline constexpr int kPixelMax = 127;
inline constexpr int kPixelMin = -127;  // symmetric: -128 is clipped too
// A pixel value V is painted in the grey of level V + 128, as JPEG shifts a
// level L to the value L − 128 before its transform.
inline constexpr int kLevelOfZero = 128;

// The block that the pixel grid shows, by pixel index 8·y + x. The tooltips
// are views of texts made once, which live as long as the program.
struct PixelBlock {
  std::array<int, kGridCount> Pixel{};
  std::array<std::string_view, kGridCount> ToolTip{};
  std::array<Rgb, kGridCount> Colour{};
  bool Clipped = false;

  bool operator==(const PixelBlock&) const = default;
};

}  // namespace dct
