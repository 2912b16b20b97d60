#include "Layout.h"

namespace dct::ui {

Rect GridCell(const GridLayout& grid, int index) {
  const int column = index % kGridSide;
  const int row = index / kGridSide;
  return {grid.left + kGridPitch * column, grid.top + kGridPitch * row, kGridBox, kGridBox};
}

}  // namespace dct::ui
