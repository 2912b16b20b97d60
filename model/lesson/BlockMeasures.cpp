#include "model/lesson/BlockMeasures.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "model/ReconstructBlock.h"

namespace dct {
namespace {

constexpr double kPeakSquared = 255.0 * 255.0;

}  // namespace

BlockLevels LevelsOf(const PixelBlock& block) {
  BlockLevels levels{};
  for (std::size_t p = 0; p < levels.size(); ++p) {
    levels[p] = static_cast<std::uint8_t>(block.Pixel[p] + kLevelOfZero);
  }
  return levels;
}

int MaxDifference(std::span<const std::uint8_t> a, std::span<const std::uint8_t> b) {
  int largest = 0;
  for (std::size_t p = 0; p < a.size(); ++p) largest = std::max(largest, std::abs(a[p] - b[p]));
  return largest;
}

std::optional<double> Psnr(std::span<const std::uint8_t> a, std::span<const std::uint8_t> b) {
  long long squares = 0;
  for (std::size_t p = 0; p < a.size(); ++p) squares += (a[p] - b[p]) * (a[p] - b[p]);
  if (squares == 0) return std::nullopt;
  const double meanSquare = static_cast<double>(squares) / static_cast<double>(a.size());
  return 10.0 * std::log10(kPeakSquared / meanSquare);
}

WindowBlock CompareWindowBlock(const BlockLevels& original, const CoefTable& table) {
  const PixelBlock block = ReconstructBlock(table);
  const BlockLevels shown = LevelsOf(block);
  return {block, shown, MaxDifference(original, shown), Psnr(original, shown)};
}

double ShownPsnr(double psnr) { return std::round(psnr * 100.0) / 100.0; }

std::string PsnrText(double psnr, char decimalMark) {
  return DecimalText(ShownPsnr(psnr), 2, decimalMark);
}

std::string DecimalText(double value, int decimals, char decimalMark) {
  char text[32];
  std::snprintf(text, sizeof text, "%.*f", decimals, value);
  std::string written(text);
  std::replace(written.begin(), written.end(), '.', decimalMark);
  return written;
}

ScaledDifference DifferencePicture(const BlockLevels& a, const BlockLevels& b) {
  ScaledDifference difference{.Largest = MaxDifference(a, b)};
  const int largest = std::max(difference.Largest, 1);
  for (std::size_t p = 0; p < difference.Greys.size(); ++p) {
    const int d = b[p] - a[p];
    // Halves away from zero, so that the picture is the same either way round.
    const int step = (2 * 127 * std::abs(d) + largest) / (2 * largest);
    difference.Greys[p] = static_cast<std::uint8_t>(kLevelOfZero + (d < 0 ? -step : step));
  }
  return difference;
}

GreyImage AmplifiedDifference(const GreyImage& a, const GreyImage& b, int gain) {
  std::vector<std::uint8_t> greys(a.levels().size());
  for (std::size_t p = 0; p < greys.size(); ++p) {
    const int d = b.levels()[p] - a.levels()[p];
    greys[p] = static_cast<std::uint8_t>(std::clamp(kLevelOfZero + gain * d, 0, 255));
  }
  return *GreyImage::Make(a.width(), a.height(), std::move(greys));
}

}  // namespace dct
