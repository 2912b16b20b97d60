#include "model/picture/ReducedPicture.h"

#include <cstddef>

#include "model/picture/PictureReducer.h"

namespace dct {

GreyImage ReducedToFit(const GreyImage& image, int maxSide) {
  PictureReducer reducer(image.width(), image.height(), maxSide);
  const auto& levels = image.levels();
  std::size_t i = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) reducer.add(x, y, levels[i++]);
  }
  return reducer.result();
}

}  // namespace dct
