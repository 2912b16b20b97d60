#pragma once

#include <cstdint>

#include "model/CoefTable.h"

namespace dct {

// The state that the window owns for as long as it lives: the coefficients
// and the index of the selected one.
struct TransformModel {
  CoefTable Coef;
  std::int16_t SelIndex = 0;
};

}  // namespace dct
