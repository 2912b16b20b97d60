#pragma once

#include <array>
#include <cstdint>

#include "common/Grid.h"
#include "model/CoefTable.h"
#include "model/jpeg/JpegTransform.h"

namespace dct {

inline constexpr int kQualityMin = 1;
inline constexpr int kQualityMax = 100;

// The steps a baseline file can hold: one byte each, and none 0.
inline constexpr int kBaselineStepMin = 1;
inline constexpr int kBaselineStepMax = 255;

// JPEG's quantisation steps, or any table of 64 whole numbers, by coefficient
// index 8·v + u.
using StepTable = std::array<int, kGridCount>;

// JPEG's standard luminance table (T.81, Annex K, Table K.1), listed there
// row v, column u, so that F(1,0) has step 11 and F(0,1) step 12.
inline constexpr StepTable kJpegLuminanceTable{16, 11, 10, 16, 24,  40,  51,  61,   //
                                               12, 12, 14, 19, 26,  58,  60,  55,   //
                                               14, 13, 16, 24, 40,  57,  69,  56,   //
                                               14, 17, 22, 29, 51,  87,  80,  62,   //
                                               18, 22, 37, 56, 68,  109, 103, 77,   //
                                               24, 35, 55, 64, 81,  104, 113, 92,   //
                                               49, 64, 78, 87, 103, 121, 120, 101,  //
                                               72, 92, 95, 98, 112, 100, 103, 99};

// The standard table scaled for a quality as the reference JPEG library
// scales it, in whole numbers: a quality below 1 is taken as 1 and one above
// 100 as 100; the scale is 5000 / q below 50, else 200 − 2q, per cent; each
// step is (base · scale + 50) / 100, at least 1 and at most 255 (baseline
// JPEG). Quality 50 gives the table itself, 100 gives every step 1.
StepTable ScaledJpegTable(int quality);

// What one unit of JPEG's coefficient F(u,v) is in the window's: JPEG's
// transform carries a factor ¼·C(u)·C(v) (C(0) = 1/√2, C(k) = 1 otherwise)
// that the window's sum leaves out, so the window's coefficient is JPEG's
// times that factor: 1/8 for F(0,0), 1/(4√2) on the first row and column,
// 1/4 elsewhere.
double WindowUnit(int index);

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
