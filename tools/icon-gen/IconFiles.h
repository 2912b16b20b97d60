#pragma once

#include <QImage>

#include "IndexedImage.h"

namespace dct::icon {

// The image enlarged (or reduced) to side × side by taking for each pixel the
// source pixel it falls on, so that hard edges stay hard: no smoothing. The
// palette is kept. Throws std::invalid_argument for a side below 1 or an
// image that is empty or not square.
platform::IndexedImage ScaleNearest(const platform::IndexedImage& image, int side);

// The image as Qt's palette image (every colour opaque), for its PNG writer.
// Throws std::invalid_argument when a pixel's index lies outside the palette.
QImage ToQImage(const platform::IndexedImage& image);

}  // namespace dct::icon
