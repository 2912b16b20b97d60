#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "model/jpeg/JpegQuantisation.h"

namespace dct {

// The bytes of a baseline JPEG file of one grey component, as libjpeg-turbo
// writes it from the same quantised blocks and steps with its defaults: SOI;
// APP0 JFIF 1.01, no density unit, density 1×1; DQT, 8-bit steps in zig-zag
// order; SOF0; DHT of the standard luminance DC table, then of the AC table;
// SOS; the coded data (each block's CodeJpegBlock); EOI. `blocks` are the
// ⌈width/8⌉ × ⌈height/8⌉ blocks of JPEG's grid, row by row. Throws
// std::invalid_argument for a side outside 1..65535, steps outside 1..255, a
// wrong number of blocks or a value that the tables cannot code.
std::vector<std::uint8_t> JpegFileBytes(int width, int height, const StepTable& steps,
                                        std::span<const QuantisedBlock> blocks);

}  // namespace dct
