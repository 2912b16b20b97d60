#pragma once

#include <QPalette>
#include <unordered_map>

#include "Colour.h"

namespace dct::platform {

// One palette per background colour, made once and shared by every box of
// that colour: a pixel block repaint sets 64 backgrounds, and building a
// palette (or, slower still, a style sheet) each time would dominate it.
class BoxPalettes {
 public:
  static const QPalette& For(Rgb colour);

 private:
  std::unordered_map<Rgb, QPalette> palettes_;
};

}  // namespace dct::platform
