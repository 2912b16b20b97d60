#pragma once

#include "Layout.h"
#include "PixelBlock.h"

namespace dct::ui {

// Writes a computed block into the 64 pixel boxes (hint, no text, grey) and
// the clipping indicator, column by column, each from the top.
void ShowBlock(const Controls& controls, const PixelBlock& block);

// The state of the pixel boxes and the indicator before any block has been
// computed: grey 0x7F7F7F, the hint "0", no text, indicator white.
void ShowClearedBlock(const Controls& controls);

}  // namespace dct::ui
