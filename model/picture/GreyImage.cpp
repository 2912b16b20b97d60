#include "model/picture/GreyImage.h"

#include <cstddef>
#include <stdexcept>
#include <utility>

namespace dct {
namespace {

bool sidesFit(int width, int height) {
  return width >= 1 && height >= 1 && width <= kImageSideMax && height <= kImageSideMax;
}

std::size_t area(int width, int height) {
  return static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
}

}  // namespace

GreyImage::GreyImage(int width, int height, std::vector<std::uint8_t> levels)
    : width_(width), height_(height), levels_(std::move(levels)) {}

std::optional<GreyImage> GreyImage::Make(int width, int height, std::vector<std::uint8_t> levels) {
  if (!sidesFit(width, height) || levels.size() != area(width, height)) return std::nullopt;
  return GreyImage(width, height, std::move(levels));
}

std::uint8_t GreyImage::at(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) {
    throw std::out_of_range("pixel outside the picture");
  }
  return levels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
                 static_cast<std::size_t>(x)];
}

}  // namespace dct
