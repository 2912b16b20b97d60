#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "model/picture/GreyImage.h"

namespace dct {

// How a picture of width × height is reduced to at most `maxSide` a side,
// fed one pixel at a time in any order, so that a decoder can reduce a
// picture that it never holds whole in grey. A picture whose longest side
// exceeds maxSide is divided by the smallest whole factor k that brings both
// sides within it, each pixel of the result the mean of a k×k square, rounded
// half up (at the right and bottom edges, of the part of the square that
// lies in the picture); a smaller one is kept as it is. Sums of whole
// numbers, so the order in which the pixels come cannot change the result.
class PictureReducer {
 public:
  // Both sides at least 1; maxSide at least 1.
  PictureReducer(int width, int height, int maxSide);

  // Adds the level at column x, row y of the full picture; each pixel once.
  void add(int x, int y, std::uint8_t level) {
    sums_[rowCell_[static_cast<std::size_t>(y)] + columnCell_[static_cast<std::size_t>(x)]] +=
        level;
  }

  // The reduced picture, once every pixel has been added.
  GreyImage result() const;

 private:
  int width_;
  int height_;
  int factor_;
  int columns_;
  int rows_;
  // The index of the first cell of a row's cells, and a column's cell within
  // its row, looked up rather than divided out for each pixel.
  std::vector<std::size_t> rowCell_;
  std::vector<std::size_t> columnCell_;
  std::vector<std::uint64_t> sums_;
};

}  // namespace dct
