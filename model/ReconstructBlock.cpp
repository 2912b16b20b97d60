#include "model/ReconstructBlock.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <string>

#include "model/CosineFactors.h"

namespace dct {
namespace {

constexpr std::size_t kSide = kGridSide;

int coefIndex(int u, int v) { return u + kGridSide * v; }

// One non-zero coefficient's share of every sum: the first products
// F(u, v) · c(x, u) of the eight pixel columns, and the frequency v whose
// cosines c(y, v) multiply them.
struct Term {
  std::array<double, kSide> first;
  std::size_t v;
};

using PixelTexts = std::array<std::string, kPixelMax - kPixelMin + 1>;

// The tooltip of every pixel value, made once: formatting a number, or even
// copying a string, costs more than all the rest of a pixel.
const PixelTexts& pixelTexts() {
  static const PixelTexts texts = [] {
    PixelTexts made;
    for (int v = kPixelMin; v <= kPixelMax; ++v)
      made[static_cast<std::size_t>(v - kPixelMin)] = std::to_string(v);
    return made;
  }();
  return texts;
}

}  // namespace

// Each sum gets, term after term in the order u then v, its own rounded
// product and its own rounded addition, exactly as the literal version forms
// it. The eight pixels of a row are the innermost loop: they are independent,
// so the compiler may run them side by side in vector registers without
// changing what any one sum sees (and the build forbids fusing a product and
// a sum into one rounding).
BlockSums ComputeBlockSums(const CoefTable& coef) {
  const CosineTable& c = CosineFactors();
  std::array<Term, kGridCount> terms;
  std::size_t count = 0;
  for (int u = 0; u < kGridSide; ++u) {
    for (int v = 0; v < kGridSide; ++v) {
      const double f = coef.at(coefIndex(u, v));
      // A zero coefficient gives terms of ±0, which leave every sum as it is:
      // a sum starts at +0 and can never become -0 under round-to-nearest.
      if (f == 0.0) continue;
      Term& term = terms[count++];
      for (std::size_t x = 0; x < kSide; ++x) term.first[x] = f * c[x][static_cast<std::size_t>(u)];
      term.v = static_cast<std::size_t>(v);
    }
  }
  BlockSums sums{};
  for (std::size_t y = 0; y < kSide; ++y) {
    std::array<double, kSide> row{};
    for (std::size_t t = 0; t < count; ++t) {
      const double second = c[y][terms[t].v];
      for (std::size_t x = 0; x < kSide; ++x) row[x] += terms[t].first[x] * second;
    }
    for (std::size_t x = 0; x < kSide; ++x) sums[y * kSide + x] = row[x];
  }
  return sums;
}

// Each sum rounded down, not toward zero (-19.51 gives -20), then limited to
// ±127, with its hint and its grey.
PixelBlock ShadeBlock(const BlockSums& sums) {
  PixelBlock block;
  bool clipped = false;
  for (std::size_t p = 0; p < sums.size(); ++p) {
    // Bounded first to one past each limit, which keeps both the value and
    // whether it is clipped; truncation is then exact, and stepping down
    // where it went up is the floor.
    const double bounded = std::clamp(sums[p], kPixelMin - 1.0, kPixelMax + 1.0);
    int value = static_cast<int>(bounded);
    if (value > bounded) --value;
    clipped = clipped || value > kPixelMax || value < kPixelMin;
    block.Pixel[p] = std::clamp(value, kPixelMin, kPixelMax);
  }
  block.Clipped = clipped;
  const PixelTexts& texts = pixelTexts();
  for (std::size_t p = 0; p < sums.size(); ++p) {
    block.ToolTip[p] = texts[static_cast<std::size_t>(block.Pixel[p] - kPixelMin)];
    block.Colour[p] = static_cast<Rgb>(block.Pixel[p] + kLevelOfZero) * kGreyStep;
  }
  return block;
}

PixelBlock ReconstructBlock(const CoefTable& coef) { return ShadeBlock(ComputeBlockSums(coef)); }

}  // namespace dct
