#include "model/picture/PictureReducer.h"

#include <algorithm>
#include <utility>

namespace dct {

PictureReducer::PictureReducer(int width, int height, int maxSide)
    : width_(width), height_(height) {
  const int longest = std::max(width, height);
  factor_ = longest <= maxSide ? 1 : (longest + maxSide - 1) / maxSide;
  columns_ = (width + factor_ - 1) / factor_;
  rows_ = (height + factor_ - 1) / factor_;
  columnCell_.resize(static_cast<std::size_t>(width));
  for (int x = 0; x < width; ++x) {
    columnCell_[static_cast<std::size_t>(x)] = static_cast<std::size_t>(x / factor_);
  }
  rowCell_.resize(static_cast<std::size_t>(height));
  for (int y = 0; y < height; ++y) {
    rowCell_[static_cast<std::size_t>(y)] =
        static_cast<std::size_t>(y / factor_) * static_cast<std::size_t>(columns_);
  }
  sums_.assign(static_cast<std::size_t>(columns_) * static_cast<std::size_t>(rows_), 0);
}

GreyImage PictureReducer::result() const {
  std::vector<std::uint8_t> levels(sums_.size());
  for (int row = 0; row < rows_; ++row) {
    const auto tall = static_cast<std::uint64_t>(std::min(factor_, height_ - row * factor_));
    for (int column = 0; column < columns_; ++column) {
      const auto wide = static_cast<std::uint64_t>(std::min(factor_, width_ - column * factor_));
      const std::uint64_t count = wide * tall;
      const std::size_t cell = static_cast<std::size_t>(row) * static_cast<std::size_t>(columns_) +
                               static_cast<std::size_t>(column);
      levels[cell] = static_cast<std::uint8_t>((2 * sums_[cell] + count) / (2 * count));
    }
  }
  return *GreyImage::Make(columns_, rows_, std::move(levels));
}

}  // namespace dct
