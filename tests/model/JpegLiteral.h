#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "model/jpeg/JpegQuantisation.h"
#include "model/jpeg/JpegTransform.h"
#include "model/picture/BlockLevels.h"

// JPEG's block arithmetic as the standard writes it, pixel by pixel in long
// double with the platform's cosine and the true π: its tables and zig-zag
// order copied from T.81 (Annex K and Figure A.6) and scaled by the
// reference library's rule, a value that lies within a hair of a half taken
// as the half it is and rounded by the documented rule. None of it calls
// the model: it is the reference that the model's and the lesson's tests
// hold JPEG's blocks to, whatever the build.
namespace dct {

using LiteralCoefficients = std::array<long double, kGridCount>;

// T.81's luminance table scaled for a quality, as the reference library
// scales it (jcparam.c); quality 100 when there is none.
StepTable LiteralSteps(std::optional<int> quality);
// Whether coefficient `index` is among the first `count` in zig-zag order.
bool LiteralKept(int index, int count);

LiteralCoefficients literalForward(const BlockLevels& levels);

struct LiteralLevels {
  BlockLevels Levels{};
  int Halves = 0;  // pixels whose value is a half
};
LiteralLevels literalInverse(const LiteralCoefficients& coefficients);

// Each coefficient over its step, halves away from zero; the first `count`
// in zig-zag order kept.
QuantisedBlock literalQuantise(const LiteralCoefficients& coefficients, const StepTable& steps,
                               int count);

// What a decoder receives: the quantised values times their steps, or
// without quantisation the real coefficients, those kept.
LiteralCoefficients decoderInput(const LiteralCoefficients& real, const QuantisedBlock& block,
                                 const std::optional<StepTable>& steps, int count);

// The block a JPEG codec makes of `levels` at a quality (none: nothing
// quantised) with the first `kept` coefficients.
BlockLevels LiteralJpegBlock(const BlockLevels& levels, std::optional<int> quality, int kept);

}  // namespace dct
