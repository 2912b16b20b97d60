#pragma once

#include <array>

#include "model/PixelBlock.h"
#include "platform/TextBox.h"

namespace dct::ui {

using PixelBoxes = std::array<platform::TextBox*, kGridCount>;

// Writes a computed block into the 64 pixel boxes (hint, no text, grey) and
// the clipping indicator, column by column, each from the top.
void ShowBlock(const PixelBoxes& pixels, platform::TextBox& indicator, const PixelBlock& block);

// The state of the pixel boxes and the indicator before any block has been
// computed: grey 0x7F7F7F, the hint "0", no text, indicator white.
void ShowClearedBlock(const PixelBoxes& pixels, platform::TextBox& indicator);

}  // namespace dct::ui
