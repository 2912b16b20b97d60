#pragma once

#include <cstdint>

namespace dct::platform {

// A colour as 0x00BBGGRR: red in the low byte.
using Rgb = std::uint32_t;

inline constexpr Rgb kWhite = 0xFFFFFF;

constexpr int RedOf(Rgb c) { return static_cast<int>(c & 0xFF); }
constexpr int GreenOf(Rgb c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int BlueOf(Rgb c) { return static_cast<int>((c >> 16) & 0xFF); }

}  // namespace dct::platform
