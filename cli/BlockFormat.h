#pragma once

#include <string>

#include "CoefTable.h"
#include "PixelBlock.h"

namespace dct::cli {

// Each pixel value right-aligned in kTextColumnWidth characters, one row of
// the block per line (y = 0 first), then "clipped: yes" or "clipped: no".
inline constexpr int kTextColumnWidth = 5;
std::string FormatText(const PixelBlock& block);

// One JSON object on one line, ending in a newline:
// {"coefficients":[64 by index 8·v+u],"pixels":[64 by index 8·y+x],
//  "tooltips":[64 strings],"colours":[64 0x00BBGGRR values in decimal],
//  "clipped":true|false}
std::string FormatJson(const CoefTable& coefficients, const PixelBlock& block);

}  // namespace dct::cli
