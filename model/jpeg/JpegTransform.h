#pragma once

#include <array>

#include "common/Grid.h"
#include "model/picture/BlockLevels.h"

namespace dct {

// A block's coefficients as a JPEG codec holds them, by index 8·v + u, in
// JPEG's own units: its transform's factor ¼·C(u)·C(v) included (see
// WindowUnit for the window's).
using JpegCoefficients = std::array<double, kGridCount>;

// JPEG's forward transform of the values level − 128, with the true π:
// F(u,v) = ¼ C(u) C(v) Σx Σy s(x,y) cos((2x+1)uπ/16) cos((2y+1)vπ/16),
// C(0) = 1/√2, C(k) = 1 otherwise. Each coefficient is taken to the nearest
// multiple of 2^-32, so that an exact half stays one on every build: a flat
// block of 133 gives F(0,0) = 40, which a step of 16 halves.
JpegCoefficients JpegForward(const BlockLevels& levels);

// The levels of JPEG's inverse transform of `coefficients`: each value x,
// taken to the nearest multiple of 2^-32, becomes floor(x + ½) + 128, limited
// to 0..255. A value that is a half in exact arithmetic rounds up on every
// build. JpegInverse(JpegForward(b)) is b.
BlockLevels JpegInverse(const JpegCoefficients& coefficients);

}  // namespace dct
