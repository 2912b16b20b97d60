#pragma once

#include "Colour.h"

namespace dct::ui {

using platform::Rgb;

// Colours as 0x00BBGGRR.
inline constexpr Rgb kWhite = 0xFFFFFF;
inline constexpr Rgb kHighlight = 0x40FFFF;  // red 255, green 255, blue 64: a yellow
inline constexpr Rgb kResetGrey = 0x7F7F7F;  // one below the 0x808080 of a computed zero
inline constexpr Rgb kClippedRed = 0x0000FF;

}  // namespace dct::ui
