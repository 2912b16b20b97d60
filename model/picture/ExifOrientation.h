#pragma once

#include <cstdint>
#include <span>

namespace dct {

// The orientation tag (0x0112) of EXIF data: the TIFF structure that JPEG's
// APP1 "Exif" segment holds after its six-byte name and that PNG's eXIf chunk
// holds as it is. Read strictly: a byte order mark ("II" or "MM") and 42, the
// first directory and the tag's entry wholly inside the bytes, the tag a
// single SHORT of 1..8. Anything else gives 1, the picture as stored: a
// picture is not refused for its metadata.
int ExifOrientation(std::span<const std::uint8_t> tiff);

}  // namespace dct
