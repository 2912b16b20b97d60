#pragma once

#include <cstdint>

#include "model/picture/GreyImage.h"

namespace dct {

// The lines between the blocks of the sheet and around it: black, the one
// grey that the window never paints (its darkest pixel is level 1).
inline constexpr std::uint8_t kSheetLineLevel = 0;

// The 64 blocks that each single coefficient F(u, v) = value makes, laid out
// as the coefficient grid, u across, v down: each pixel an N×N square
// (N = scale) in the grey the window paints it, with a line `line` pixels
// wide between the blocks and around them, so the sheet is
// 64·N + 9·line pixels square. The lesson shows it, dct-block writes it.
GreyImage BasisPatterns(std::int16_t value, int scale, int line);

}  // namespace dct
