#pragma once

#include <cstdint>
#include <span>

#include "model/picture/PictureFault.h"

namespace dct {

// The format that a file's first bytes announce, Unknown for none. A file
// that holds no more than the start of PNG's signature (at least its first
// four bytes) or of JPEG's (its SOI marker) counts as that format, so that it
// is refused as cut short rather than as no picture.
PictureFormat SniffFormat(std::span<const std::uint8_t> bytes);

}  // namespace dct
