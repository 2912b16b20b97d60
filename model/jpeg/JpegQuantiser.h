#pragma once

#include <array>
#include <cstdint>

#include "model/CoefTable.h"
#include "model/jpeg/JpegQuantisation.h"
#include "model/jpeg/JpegTransform.h"

namespace dct {

// The whole numbers a JPEG file holds for a block, by index 8·v + u.
using QuantisedBlock = std::array<std::int16_t, kGridCount>;

bool IsBaselineStepTable(const StepTable& steps);

// Each coefficient divided by its step and rounded to the nearest whole
// number, halves away from zero as the reference JPEG library rounds; all
// but the first `kept` (0..64, else the nearer end) in zig-zag order are 0.
// Throws std::invalid_argument unless IsBaselineStepTable(steps). A value
// beyond what 16 bits hold (none that JpegForward gives) is limited to them.
QuantisedBlock JpegQuantise(const JpegCoefficients& coefficients, const StepTable& steps, int kept);

// The window's table as JPEG would code it: each coefficient in JPEG's units
// (over ¼·C(u)·C(v), its WindowUnit), divided by its step and rounded as
// JpegQuantise rounds. Throws as JpegQuantise does for steps outside 1..255.
QuantisedBlock QuantiseWindowTable(const CoefTable& table, const StepTable& steps);

// Each value times its step: what a decoder transforms back.
JpegCoefficients JpegDequantise(const QuantisedBlock& block, const StepTable& steps);

// The coefficients with all but the first `kept` in zig-zag order made 0, as
// JpegQuantise keeps them: the lesson's path with no quantisation.
JpegCoefficients KeepFirst(const JpegCoefficients& coefficients, int kept);

}  // namespace dct
