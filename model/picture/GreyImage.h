#pragma once

#include <algorithm>
#include <cstdint>
#include <optional>
#include <vector>

#include "model/picture/BlockLevels.h"

namespace dct {

// The widest and tallest picture taken: enough for any photograph a lesson
// needs, and small enough that width · height cannot overflow.
inline constexpr int kImageSideMax = 16384;

// JPEG's grey of a colour (JFIF: Y = 0.299 R + 0.587 G + 0.114 B), each part
// 0..255, in whole numbers rounded half up: (299 R + 587 G + 114 B + 500) /
// 1000. A grey R = G = B gives that level exactly, which no rounding of the
// real weights can promise. A part outside 0..255 counts as the nearer end.
// Inline, as the decoder calls it for every pixel of a photograph.
inline std::uint8_t GreyLevel(int red, int green, int blue) {
  const auto part = [](int value) { return std::clamp(value, 0, kLevelMax); };
  return static_cast<std::uint8_t>((299 * part(red) + 587 * part(green) + 114 * part(blue) + 500) /
                                   1000);
}

// What a pixel of that colour and of opacity `alpha` (0 transparent, 255
// opaque) shows laid over white: its GreyLevel mixed with white in whole
// numbers, rounded half up.
inline std::uint8_t GreyOverWhite(int red, int green, int blue, int alpha) {
  const int opacity = std::clamp(alpha, 0, kLevelMax);
  return static_cast<std::uint8_t>(
      (GreyLevel(red, green, blue) * opacity + kLevelMax * (kLevelMax - opacity) + 127) /
      kLevelMax);
}

// A 16-bit sample (0..65535) as 8 bits: v · 255 / 65535 rounded, as Qt
// converts one. No sample lies half way between two levels, so the rounding
// never has to choose.
inline std::uint8_t EightBitSample(std::uint16_t sample) {
  constexpr int kSixteenBitMax = 65535;
  return static_cast<std::uint8_t>((sample * kLevelMax + kSixteenBitMax / 2) / kSixteenBitMax);
}

// A picture in levels 0..255 (0 black), row by row from the top.
class GreyImage {
 public:
  // Nothing unless both sides are within 1..kImageSideMax and there are
  // exactly width · height levels.
  static std::optional<GreyImage> Make(int width, int height, std::vector<std::uint8_t> levels);

  int width() const { return width_; }
  int height() const { return height_; }
  // The level at column x, row y; both must lie within the picture.
  std::uint8_t at(int x, int y) const;
  const std::vector<std::uint8_t>& levels() const { return levels_; }

  bool operator==(const GreyImage&) const = default;

 private:
  GreyImage(int width, int height, std::vector<std::uint8_t> levels);

  int width_;
  int height_;
  std::vector<std::uint8_t> levels_;
};

}  // namespace dct
