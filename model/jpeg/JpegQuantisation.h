#pragma once

#include <array>

#include "common/Grid.h"

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

}  // namespace dct
