#include "model/CoefTable.h"

#include <string>

namespace dct {

std::string CoefficientName(int index) {
  return "F(" + std::to_string(index % kGridSide) + "," + std::to_string(index / kGridSide) + ")";
}

CoefIndexError::CoefIndexError(long long index)
    : std::out_of_range("Coef index " + std::to_string(index) + " is outside the table 0.." +
                        std::to_string(kCoefTableSize - 1)),
      index_(index) {}

void CoefTable::refuse(long long index) { throw CoefIndexError(index); }

}  // namespace dct
