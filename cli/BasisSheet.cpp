#include "BasisSheet.h"

#include <algorithm>

#include "BlockImage.h"
#include "ReconstructBlock.h"

namespace dct::cli {

QImage BasisSheetImage(std::int16_t value, int scale) {
  const int blockSide = kGridSide * scale;
  const int pitch = blockSide + kSheetLineWidth;
  const int side = kGridSide * pitch + kSheetLineWidth;
  QImage sheet(side, side, QImage::Format_Grayscale8);
  sheet.fill(kSheetLineLevel);
  for (int v = 0; v < kGridSide; ++v) {
    for (int u = 0; u < kGridSide; ++u) {
      CoefTable table;
      table.set(u + kGridSide * v, value);
      const QImage block = BlockImage(ReconstructBlock(table), scale);
      for (int row = 0; row < blockSide; ++row) {
        std::copy_n(
            block.constScanLine(row), blockSide,
            sheet.scanLine(kSheetLineWidth + v * pitch + row) + kSheetLineWidth + u * pitch);
      }
    }
  }
  return sheet;
}

}  // namespace dct::cli
