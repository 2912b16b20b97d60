#include "Layout.h"

namespace dct::ui {

Rect GridCell(const GridLayout& grid, int index) {
  const int column = index % kGridSide;
  const int row = index / kGridSide;
  return {grid.left + kGridPitch * column, grid.top + kGridPitch * row, kGridBox, kGridBox};
}

namespace {

void replaceAll(std::string& text, std::string_view placeholder, int value) {
  const std::string replacement = std::to_string(value);
  for (auto at = text.find(placeholder); at != std::string::npos;
       at = text.find(placeholder, at + replacement.size())) {
    text.replace(at, placeholder.size(), replacement);
  }
}

}  // namespace

std::string GridAccessibleName(const GridLayout& grid, int index) {
  std::string name = grid.accessibleName;
  replaceAll(name, "{column}", index % kGridSide);
  replaceAll(name, "{row}", index / kGridSide);
  return name;
}

}  // namespace dct::ui
