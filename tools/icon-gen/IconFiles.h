#pragma once

#include <QImage>
#include <cstdint>
#include <vector>

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

// A Windows icon file holding the one image at 8 bits per pixel, which Qt's
// icon writer does not make (it writes 32 bits per pixel): the icon
// directory with one entry, then a device-independent bitmap (an info header
// of twice the height, a palette of 256 colours, the rows from the bottom,
// each padded to 4 bytes) and an all-zero AND mask, so every pixel is opaque.
// Throws std::invalid_argument for a side outside 1..256 or a palette of more
// than 256 colours.
std::vector<std::uint8_t> EncodeIco(const platform::IndexedImage& image);

}  // namespace dct::icon
