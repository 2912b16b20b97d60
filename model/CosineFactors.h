#pragma once

#include <array>

#include "common/Grid.h"

namespace dct {

// The double nearest 3.14159: five decimals only, about 2.65e-6 below π. Every
// cosine argument uses it, and several pixel values depend on that.
inline constexpr double Pi = 3.14159;

// The cosine argument for position p and frequency f: (k · Pi) / 16 with
// k = (2p + 1) f, the product rounded before the (exact) division.
double CosineArgument(int p, int f);

// c(p, f) = cos(CosineArgument(p, f)), correctly rounded, indexed [p][f].
using CosineTable = std::array<std::array<double, kGridSide>, kGridSide>;
const CosineTable& CosineFactors();

}  // namespace dct
