#pragma once

#include <array>
#include <optional>

#include "model/jpeg/JpegQuantisation.h"
#include "model/jpeg/JpegQuantiser.h"
#include "model/jpeg/JpegTransform.h"
#include "model/picture/BlockLevels.h"

// JPEG's block arithmetic as its formulas read, pixel by pixel in long
// double with the platform's cosine and the true π, snapped to 2^-32 and
// rounded by the same rule as the codec: the reference that the model's and
// the lesson's tests hold JPEG's blocks to, whatever the build.
namespace dct {

using LiteralCoefficients = std::array<long double, kGridCount>;

LiteralCoefficients literalForward(const BlockLevels& levels);

struct LiteralLevels {
  BlockLevels Levels{};
  int Halves = 0;  // pixels whose value lies within 1e-9 of a half
};
LiteralLevels literalInverse(const JpegCoefficients& coefficients);

// Each coefficient over its step, halves away from zero; the first `count`
// in zig-zag order kept.
QuantisedBlock literalQuantise(const LiteralCoefficients& coefficients, const StepTable& steps,
                               int count);

// What a decoder receives: the quantised values times their steps, or
// without quantisation the real coefficients, those kept.
JpegCoefficients decoderInput(const JpegCoefficients& real, const QuantisedBlock& block,
                              const std::optional<StepTable>& steps, int count);

// The block a JPEG codec makes of `levels` at a quality (none: nothing
// quantised) with the first `kept` coefficients.
BlockLevels LiteralJpegBlock(const BlockLevels& levels, std::optional<int> quality, int kept);

}  // namespace dct
