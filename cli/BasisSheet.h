#pragma once

#include <QImage>
#include <cstdint>

namespace dct::cli {

// The lines between the blocks of the sheet and around it, in pixels.
inline constexpr int kSheetLineWidth = 2;

// The 64 blocks that each single coefficient F(u, v) = value makes, laid out
// as the coefficient grid: u across, v down, each as BlockImage draws it,
// with a line of kSheetLineWidth between blocks and around the sheet, so the
// sheet is 64·N + 9·kSheetLineWidth pixels square, N = scale.
QImage BasisSheetImage(std::int16_t value, int scale);

}  // namespace dct::cli
