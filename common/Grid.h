#pragma once

namespace dct {

// Both grids of the window and the block they show are 8×8: index 8·row + column.
inline constexpr int kGridSide = 8;
inline constexpr int kGridCount = kGridSide * kGridSide;

}  // namespace dct
