#pragma once

#include <array>
#include <cstddef>

#include "common/Grid.h"

namespace dct {

// JPEG's zig-zag order: the coefficient index 8·v + u of each rank, from
// F(0,0) along the anti-diagonals to F(7,7), F(1,0) before F(0,1).
inline constexpr std::array<int, kGridCount> kZigZag{
    0,  1,  8,  16, 9,  2,  3,  10, 17, 24, 32, 25, 18, 11, 4,  5,  12, 19, 26, 33, 40, 48,
    41, 34, 27, 20, 13, 6,  7,  14, 21, 28, 35, 42, 49, 56, 57, 50, 43, 36, 29, 22, 15, 23,
    30, 37, 44, 51, 58, 59, 52, 45, 38, 31, 39, 46, 53, 60, 61, 54, 47, 55, 62, 63};

// The rank in zig-zag order of each coefficient index: the inverse of kZigZag.
inline constexpr std::array<int, kGridCount> kZigZagRank = [] {
  std::array<int, kGridCount> rank{};
  for (int r = 0; r < kGridCount; ++r)
    rank[static_cast<std::size_t>(kZigZag[static_cast<std::size_t>(r)])] = r;
  return rank;
}();

// Whether coefficient `index` is among the first `kept` (0..64, else the
// nearer end) in zig-zag order.
constexpr bool IsKept(std::size_t index, int kept) {
  return kZigZagRank[index] < (kept < 0 ? 0 : kept > kGridCount ? kGridCount : kept);
}

}  // namespace dct
