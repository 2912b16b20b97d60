#pragma once

#include <optional>

#include "model/picture/BlockLevels.h"
#include "model/picture/GreyImage.h"

namespace dct {

// JPEG's block grid: blocks of 8×8 from the top left corner, as many across
// and down as it takes to cover the picture, so that a side that is not a
// multiple of 8 ends in a partial block.
int BlocksAcross(const GreyImage& image);
int BlocksDown(const GreyImage& image);

// The levels of block (bx, by) of that grid, bx across and by down, from 0.
// A partial block is filled as JPEG encoders fill it: by repeating the last
// column to the right and the last row downwards. Nothing for a block
// outside the grid.
std::optional<BlockLevels> ImageBlock(const GreyImage& image, int bx, int by);

}  // namespace dct
