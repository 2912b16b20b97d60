#pragma once

#include <cstdint>
#include <span>

namespace dct::cli {

// CRC-32 as PNG and zip use it (reflected polynomial 0xEDB88320, initial and
// final value all ones). Pass a previous result as `crc` to continue a run.
std::uint32_t Crc32(std::span<const std::uint8_t> bytes, std::uint32_t crc = 0);

// Adler-32 as zlib uses it. Pass a previous result as `adler` to continue.
std::uint32_t Adler32(std::span<const std::uint8_t> bytes, std::uint32_t adler = 1);

}  // namespace dct::cli
