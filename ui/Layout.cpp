#include "Layout.h"

namespace dct::ui {
namespace {

Rect cell(GridOrigin origin, int pitch, int box, int index) {
  return {origin.left + pitch * (index % kGridSide), origin.top + pitch * (index / kGridSide), box,
          box};
}

void replaceAll(std::string& text, std::string_view placeholder, int value) {
  const std::string replacement = std::to_string(value);
  for (auto at = text.find(placeholder); at != std::string::npos;
       at = text.find(placeholder, at + replacement.size())) {
    text.replace(at, placeholder.size(), replacement);
  }
}

}  // namespace

Rect GridCell(const GridLayout& grid, int index) {
  return cell(grid.origin, kGridPitch, kGridBox, index);
}

Rect FingerGridCell(const GridLayout& grid, int index) {
  return cell(grid.finger, kFingerGridPitch, kFingerGridBox, index);
}

std::string GridPlaceText(std::string_view pattern, int index) {
  std::string text(pattern);
  replaceAll(text, "{column}", index % kGridSide);
  replaceAll(text, "{row}", index / kGridSide);
  return text;
}

}  // namespace dct::ui
