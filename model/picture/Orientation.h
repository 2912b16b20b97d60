#pragma once

namespace dct {

// How a picture stored width × height is turned to stand upright, by EXIF's
// orientation tag: 1 as stored, 2 mirrored left to right, 3 turned half
// round, 4 mirrored top to bottom, 5 mirrored along the diagonal from the top
// left, 6 turned a quarter clockwise, 7 mirrored along the other diagonal,
// 8 turned a quarter anticlockwise. Any other value counts as 1, as viewers
// take it.
class Orientation {
 public:
  struct Place {
    int x;
    int y;
  };

  Orientation(int exifValue, int width, int height);

  // The upright picture's sides.
  int width() const { return width_; }
  int height() const { return height_; }

  // Where the stored pixel at column x, row y lands in the upright picture.
  Place placeOf(int x, int y) const {
    return {originX_ + x * xPerColumn_ + y * xPerRow_, originY_ + x * yPerColumn_ + y * yPerRow_};
  }
  // How far that place moves from one stored pixel to the next in its row.
  Place stepAlongRow() const { return {xPerColumn_, yPerColumn_}; }

 private:
  int width_;
  int height_;
  int originX_ = 0;
  int originY_ = 0;
  int xPerColumn_ = 1;
  int xPerRow_ = 0;
  int yPerColumn_ = 0;
  int yPerRow_ = 1;
};

}  // namespace dct
