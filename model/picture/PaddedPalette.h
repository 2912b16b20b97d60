#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "model/picture/PictureLayout.h"

namespace dct {

// A PNG whose palette has fewer entries than its pixels' indices can name,
// its PLTE chunk padded to all of them with `marker`, a colour that no entry
// of its own has. The decoder would take an index beyond the palette from
// memory it never set; padded, such a pixel comes out in the marker colour,
// and the file can be refused as damaged, as the format has it.
struct PaddedPalette {
  std::vector<std::uint8_t> bytes;
  std::array<std::uint8_t, 3> marker;
};

// Nothing when the picture has no palette or a full one. `bytes` must have
// passed CheckPng, which gave `layout`.
std::optional<PaddedPalette> PadPalette(std::span<const std::uint8_t> bytes,
                                        const PictureLayout& layout);

}  // namespace dct
