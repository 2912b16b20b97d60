#include "GreyImage.h"

#include <algorithm>
#include <cstddef>
#include <stdexcept>
#include <utility>

namespace dct {
namespace {

constexpr int kOpaque = 255;
constexpr std::size_t kRgbaBytes = 4;

bool sidesFit(int width, int height) {
  return width >= 1 && height >= 1 && width <= kImageSideMax && height <= kImageSideMax;
}

std::size_t area(int width, int height) {
  return static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
}

}  // namespace

std::uint8_t GreyLevel(int red, int green, int blue) {
  const auto part = [](int value) { return std::clamp(value, 0, kOpaque); };
  return static_cast<std::uint8_t>((299 * part(red) + 587 * part(green) + 114 * part(blue) + 500) /
                                   1000);
}

std::uint8_t GreyOverWhite(int red, int green, int blue, int alpha) {
  const int opacity = std::clamp(alpha, 0, kOpaque);
  return static_cast<std::uint8_t>(
      (GreyLevel(red, green, blue) * opacity + kOpaque * (kOpaque - opacity) + 127) / kOpaque);
}

std::uint8_t EightBitSample(std::uint16_t sample) {
  constexpr int kSixteenBitMax = 65535;
  return static_cast<std::uint8_t>((sample * kOpaque + kSixteenBitMax / 2) / kSixteenBitMax);
}

GreyImage::GreyImage(int width, int height, std::vector<std::uint8_t> levels)
    : width_(width), height_(height), levels_(std::move(levels)) {}

std::optional<GreyImage> GreyImage::Make(int width, int height, std::vector<std::uint8_t> levels) {
  if (!sidesFit(width, height) || levels.size() != area(width, height)) return std::nullopt;
  return GreyImage(width, height, std::move(levels));
}

std::optional<GreyImage> GreyImage::FromRgba(int width, int height,
                                             std::span<const std::uint8_t> rgba) {
  if (!sidesFit(width, height) || rgba.size() != area(width, height) * kRgbaBytes) {
    return std::nullopt;
  }
  std::vector<std::uint8_t> levels(area(width, height));
  for (std::size_t i = 0; i < levels.size(); ++i) {
    const auto pixel = rgba.subspan(i * kRgbaBytes, kRgbaBytes);
    levels[i] = GreyOverWhite(pixel[0], pixel[1], pixel[2], pixel[3]);
  }
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
