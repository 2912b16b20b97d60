#pragma once

#include <array>
#include <cstdint>

#include "platform/IndexedImage.h"

namespace dct::ui {

// The program's icon: a 4×4 mosaic of 8×8 squares in seven greys, black at
// the top left to white at the bottom right, as a cosine block shades them.
inline constexpr int kIconSide = 32;
inline constexpr int kIconTiles = 4;
inline constexpr int kIconGreyLevels = 7;

// The grey of level n (0..6), from 0 to 255.
constexpr std::uint8_t IconGrey(int level) {
  return static_cast<std::uint8_t>((255 * level + (kIconGreyLevels - 1) / 2) /
                                   (kIconGreyLevels - 1));
}

// The level of the tile at (column, row): one step per tile along the diagonal.
constexpr int IconTileLevel(int column, int row) { return column + row; }

static_assert(IconTileLevel(kIconTiles - 1, kIconTiles - 1) == kIconGreyLevels - 1);
static_assert(IconGrey(0) == 0 && IconGrey(kIconGreyLevels - 1) == 255);

// 32×32, a 256-entry palette (the seven greys first, the rest black).
platform::IndexedImage AppIcon();

}  // namespace dct::ui
