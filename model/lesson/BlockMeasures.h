#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "model/CoefTable.h"
#include "model/PixelBlock.h"
#include "model/picture/BlockLevels.h"
#include "model/picture/GreyImage.h"

namespace dct {

// The levels in which the window paints a block: pixel value + 128, 1..255.
BlockLevels LevelsOf(const PixelBlock& block);

// The largest |a − b| over the 64 levels.
// Of two blocks, or two whole pictures of the same size.
int MaxDifference(std::span<const std::uint8_t> a, std::span<const std::uint8_t> b);

// 10 · log10(255² / MSE) dB, MSE the mean of the 64 squared differences of
// levels. Nothing when the blocks are equal: their PSNR is not finite. The
// logarithm is the C library's, which may differ in its last bit between
// builds: show the figure rounded.
std::optional<double> Psnr(std::span<const std::uint8_t> a, std::span<const std::uint8_t> b);

// The PSNR as every edition shows it: to two decimals, where builds whose
// logarithms differ in the last bit agree.
double ShownPsnr(double psnr);
// ShownPsnr with its two decimals after the edition's decimal mark.
std::string PsnrText(double psnr, char decimalMark);
// Any number with that many decimals after the edition's decimal mark.
std::string DecimalText(double value, int decimals, char decimalMark);

// The block that the window makes of a table, and how far it is from the
// original: what the lesson says of the window, and dct-block --image prints.
struct WindowBlock {
  PixelBlock Block;
  BlockLevels Shown{};  // LevelsOf(Block)
  int MaxDifference = 0;
  std::optional<double> Psnr;
};
WindowBlock CompareWindowBlock(const BlockLevels& original, const CoefTable& table);

// The difference b − a as levels of grey around mid grey, scaled to its
// largest: 128 + 127 · d / Largest, rounded, so mid grey where the blocks
// agree and the largest difference black (1) or white (255), whatever its
// size; Largest is written beside it. All mid grey when they are equal.
struct ScaledDifference {
  BlockLevels Greys{};
  int Largest = 0;
};
ScaledDifference DifferencePicture(const BlockLevels& a, const BlockLevels& b);

// The difference b − a of two pictures of the same size as greys, 128 +
// gain · d limited to 0..255: mid grey where they agree.
GreyImage AmplifiedDifference(const GreyImage& a, const GreyImage& b, int gain);

}  // namespace dct
