#include "model/jpeg/JpegPicture.h"

#include <algorithm>
#include <stdexcept>

#include "model/jpeg/JpegFile.h"
#include "model/picture/ImageBlocks.h"

namespace dct {
namespace {

std::size_t areaOf(int width, int height) {
  return static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
}

}  // namespace

JpegPicture::JpegPicture(const GreyImage& image)
    : width_(image.width()),
      height_(image.height()),
      blocksAcross_(BlocksAcross(image)),
      blocksDown_(BlocksDown(image)) {
  coefficients_.reserve(areaOf(blocksAcross_, blocksDown_));
  for (int by = 0; by < blocksDown_; ++by) {
    for (int bx = 0; bx < blocksAcross_; ++bx)
      coefficients_.push_back(JpegForward(*ImageBlock(image, bx, by)));
  }
}

JpegCompressed JpegPicture::Compress(const JpegSetting& setting) const {
  const StepTable steps = setting.Steps.value_or(ScaledJpegTable(kQualityMax));
  std::vector<QuantisedBlock> blocks;
  blocks.reserve(coefficients_.size());
  std::vector<std::uint8_t> decoded(areaOf(width_, height_));
  for (std::size_t b = 0; b < coefficients_.size(); ++b) {
    const QuantisedBlock& block =
        blocks.emplace_back(JpegQuantise(coefficients_[b], steps, setting.Kept));
    const BlockLevels levels = JpegInverse(
        setting.Steps ? JpegDequantise(block, steps) : KeepFirst(coefficients_[b], setting.Kept));
    // The block's pixels that lie within the picture.
    const int left = static_cast<int>(b % static_cast<std::size_t>(blocksAcross_)) * kGridSide;
    const int top = static_cast<int>(b / static_cast<std::size_t>(blocksAcross_)) * kGridSide;
    const int across = std::min(kGridSide, width_ - left);
    const int down = std::min(kGridSide, height_ - top);
    for (int y = 0; y < down; ++y) {
      std::copy_n(levels.begin() + y * kGridSide, across,
                  decoded.begin() + static_cast<std::ptrdiff_t>(areaOf(width_, top + y) +
                                                                static_cast<std::size_t>(left)));
    }
  }
  std::vector<std::uint8_t> file = JpegFileBytes(width_, height_, steps, blocks);
  return {steps, std::move(blocks), *GreyImage::Make(width_, height_, std::move(decoded)),
          std::move(file)};
}

JpegBlockCode CodeOfBlock(const JpegCompressed& compressed, std::size_t index) {
  const QuantisedBlock& block = compressed.Blocks.at(index);
  return CodeJpegBlock(block, index == 0 ? std::int16_t{0} : compressed.Blocks[index - 1][0]);
}

}  // namespace dct
