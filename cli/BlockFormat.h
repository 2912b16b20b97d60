#pragma once

#include <string>

#include "cli/ForwardAnalysis.h"
#include "model/CoefTable.h"
#include "model/PixelBlock.h"
#include "model/lesson/BlockMeasures.h"
#include "model/lesson/LessonBlock.h"

namespace dct::cli {

// Each pixel value right-aligned in kTextColumnWidth characters, one row of
// the block per line (y = 0 first), then "clipped: yes" or "clipped: no".
inline constexpr int kTextColumnWidth = 5;
std::string FormatText(const PixelBlock& block);

// One JSON object on one line, ending in a newline:
// {"coefficients":[64 by index 8·v+u],"pixels":[64 by index 8·y+x],
//  "tooltips":[64 strings],"colours":[64 0x00BBGGRR values in decimal],
//  "clipped":true|false}
std::string FormatJson(const CoefTable& coefficients, const PixelBlock& block);

// The coefficients in the layout of the coefficient grid, row v, column u,
// each with two decimals right-aligned in kCoefficientColumnWidth characters
// (wider ones still get a blank before them). A value that shows as zero is
// written without a minus sign. With rounding, the coefficients follow
// "coefficients:", then come "rounded:" and the rounded table in the same
// layout, "pixels:" and FormatText of the block, and "max difference: N".
inline constexpr int kCoefficientColumnWidth = 8;
std::string FormatForwardText(const ForwardAnalysis& analysis);

// One JSON object on one line, ending in a newline:
// {"coefficients":[64 by index 8·v+u]} with each number written in the
// fewest digits that read back as the same double;
// with rounding, also "rounded":[64 by index 8·v+u],
// "pixels":[64 by index 8·y+x],"max_difference":N.
std::string FormatForwardJson(const ForwardAnalysis& analysis);

// What the lesson makes of a block of a picture: "coefficients:" and the
// table the window receives, 8 rows (v) of 8 (u) as --round prints its
// table, "pixels:" and FormatText of the window's block, then
// "max difference: N" (in levels), "psnr: 38.21 dB" (or "psnr: identical")
// and "limited: N" (coefficients limited to ±100), all of the window; then
// JPEG's own block: "jpeg levels:" and its 64 levels in 8 rows, "jpeg max
// difference: N", "jpeg psnr: ..." and, where the compression can zero any,
// "jpeg zeroed: N".
std::string FormatPictureText(const LessonBlock& lesson, const WindowBlock& window,
                              const BlockLevels& original, const Compression& compression);

// One JSON object on one line, ending in a newline, of the window's block:
// {"coefficients":[64 by index 8·v+u],"pixels":[64 by index 8·y+x],
//  "clipped":true|false,"max_difference":N,"psnr":38.21|null,"limited":N,
// and JPEG's: "jpeg":{"levels":[64 by index 8·y+x],"max_difference":N,
//  "psnr":38.21|null,"zeroed":N}}, each PSNR with two decimals as the text
// has it.
std::string FormatPictureJson(const LessonBlock& lesson, const WindowBlock& window,
                              const BlockLevels& original);

}  // namespace dct::cli
