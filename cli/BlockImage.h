#pragma once

#include <QImage>

#include "model/PixelBlock.h"
#include "model/picture/GreyImage.h"

namespace dct::cli {

// The block as an 8-bit grey image, pixel (x, y) an N×N square of level
// pixel value + 128 (1..255), the same grey the window paints.
QImage BlockImage(const PixelBlock& block, int scale);

// A grey picture as an 8-bit grey image, level for level.
QImage GreyQImage(const GreyImage& picture);

}  // namespace dct::cli
