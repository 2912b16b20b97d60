#pragma once

#include <cstdint>
#include <span>

namespace dct {

// The CRC-32 that PNG (like zlib and gzip) puts after each chunk: polynomial
// 0xEDB88320 reflected, starting from and finished with all bits inverted.
// The model has no zlib in the page's build, and the table is a few lines.
std::uint32_t Crc32(std::span<const std::uint8_t> bytes);

}  // namespace dct
