#pragma once

#include "PixelBlock.h"
#include "PngWriter.h"

namespace dct::cli {

// The block as a grey image, pixel (x, y) an N×N square of level
// pixel value + 128 (1..255), the same grey the window paints.
PngImage BlockImage(const PixelBlock& block, int scale);

}  // namespace dct::cli
