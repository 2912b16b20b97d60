#include "model/picture/Orientation.h"

#include <array>

namespace dct {
namespace {

// Each orientation as a swap of rows and columns followed by mirrorings of
// the upright picture.
struct Turn {
  bool swap;
  bool mirrorX;
  bool mirrorY;
};

constexpr std::array<Turn, 8> kTurns{{
    {false, false, false},  // 1
    {false, true, false},   // 2
    {false, true, true},    // 3
    {false, false, true},   // 4
    {true, false, false},   // 5
    {true, true, false},    // 6
    {true, true, true},     // 7
    {true, false, true},    // 8
}};

}  // namespace

Orientation::Orientation(int exifValue, int width, int height) {
  const Turn turn =
      exifValue >= 1 && exifValue <= 8 ? kTurns[static_cast<unsigned>(exifValue - 1)] : kTurns[0];
  width_ = turn.swap ? height : width;
  height_ = turn.swap ? width : height;
  if (turn.swap) {
    xPerColumn_ = 0;
    xPerRow_ = 1;
    yPerColumn_ = 1;
    yPerRow_ = 0;
  }
  if (turn.mirrorX) {
    originX_ = width_ - 1;
    xPerColumn_ = -xPerColumn_;
    xPerRow_ = -xPerRow_;
  }
  if (turn.mirrorY) {
    originY_ = height_ - 1;
    yPerColumn_ = -yPerColumn_;
    yPerRow_ = -yPerRow_;
  }
}

}  // namespace dct
