#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "CosineFactors.h"

namespace dct {

inline constexpr int kPixelCount = kBlockSide * kBlockSide;
inline constexpr int kPixelMax = 127;
inline constexpr int kPixelMin = -127;  // symmetric: -128 is clipped too
inline constexpr std::uint32_t kGreyStep = 0x010101;

// A colour as 0x00BBGGRR, red in the low byte.
using Rgb = std::uint32_t;

// The block that the pixel grid shows, by pixel index 8·y + x.
struct PixelBlock {
  std::array<int, kPixelCount> Pixel{};
  std::array<std::string, kPixelCount> ToolTip{};
  std::array<Rgb, kPixelCount> Colour{};
  bool Clipped = false;

  bool operator==(const PixelBlock&) const = default;
};

}  // namespace dct
