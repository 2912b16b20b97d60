#pragma once

#include <cstdint>

namespace dct {

// A colour as 0x00BBGGRR: red in the low byte.
using Rgb = std::uint32_t;

constexpr int RedOf(Rgb c) { return static_cast<int>(c & 0xFF); }
constexpr int GreenOf(Rgb c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int BlueOf(Rgb c) { return static_cast<int>((c >> 16) & 0xFF); }

inline constexpr Rgb kWhite = 0xFFFFFF;
inline constexpr Rgb kHighlight = 0x40FFFF;  // red 255, green 255, blue 64: a yellow
inline constexpr Rgb kResetGrey = 0x7F7F7F;  // one below the 0x808080 of a computed zero
inline constexpr Rgb kClippedRed = 0x0000FF;
// The grey of level L is L times this: red, green and blue all equal L.
inline constexpr Rgb kGreyStep = 0x010101;

}  // namespace dct
