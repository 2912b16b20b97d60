#pragma once

#include <cstddef>

namespace dct {

// What the structural check of a PNG or JPEG file found, for its decoding.
struct PictureLayout {
  // The sides as stored, before the orientation turns them.
  int width = 0;
  int height = 0;
  int orientation = 1;  // EXIF's 1..8
  bool sixteenBit = false;
  // For a PNG with a palette: where its PLTE chunk starts (its length field)
  // and how many entries it has, against the 2^depth indices its pixels can
  // hold.
  std::size_t paletteChunk = 0;
  int paletteEntries = 0;
  int paletteIndices = 0;
};

}  // namespace dct
