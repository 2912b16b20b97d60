#pragma once

#include <algorithm>
#include <cstdint>
#include <random>
#include <vector>

#include "model/picture/GreyImage.h"

namespace dct {

// A diagonal ramp from black to white with seeded noise of up to ±noise
// levels: smooth enough at little noise for long runs of zeros, busy enough
// at much for every coefficient.
inline GreyImage SeededPicture(int width, int height, int noise, unsigned seed) {
  std::mt19937 generator(seed);
  std::uniform_int_distribution<int> jitter(-noise, noise);
  std::vector<std::uint8_t> levels;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const int ramp = (255 * x / width + 255 * y / height) / 2;
      levels.push_back(static_cast<std::uint8_t>(std::clamp(ramp + jitter(generator), 0, 255)));
    }
  }
  return *GreyImage::Make(width, height, std::move(levels));
}

}  // namespace dct
