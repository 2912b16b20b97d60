#pragma once

#include <cstdint>
#include <span>

#include "PngWriter.h"
#include "Result.h"

namespace dct::cli::test {

// Reads back what PngWriter makes (IHDR, one IDAT, IEND; 8-bit Grey or Rgba;
// filter 0 on every row; stored deflate blocks), checking every field and
// checksum with checksums of its own. Anything else is refused with a reason.
Result<PngImage> DecodeStoredPng(std::span<const std::uint8_t> file);

}  // namespace dct::cli::test
