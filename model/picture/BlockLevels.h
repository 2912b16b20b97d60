#pragma once

#include <array>
#include <cstdint>

#include "common/Grid.h"

namespace dct {

// The most a level or an 8-bit sample can be: white, or opaque.
inline constexpr int kLevelMax = 255;

// The 64 levels (0..255, 0 black) of an 8×8 block of a picture, by pixel
// index 8·y + x.
using BlockLevels = std::array<std::uint8_t, kGridCount>;

}  // namespace dct
