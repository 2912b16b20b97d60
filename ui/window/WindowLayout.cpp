#include "ui/window/WindowLayout.h"

namespace dct::ui {

std::string PixelBoxName(int index) {
  return "Pixel da coluna " + std::to_string(index % kGridSide) + ", linha " +
         std::to_string(index / kGridSide);
}

std::string CoefficientBoxName(int index) { return "Coeficiente " + CoefficientName(index); }

}  // namespace dct::ui
