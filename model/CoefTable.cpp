#include "CoefTable.h"

#include <string>

namespace dct {

CoefIndexError::CoefIndexError(long long index)
    : std::out_of_range("Coef index " + std::to_string(index) + " is outside the table 0.." +
                        std::to_string(kCoefTableSize - 1)),
      index_(index) {}

std::size_t CoefTable::checked(long long index) {
  // Treated as unsigned, so that -1 is refused exactly like 65.
  const auto unsignedIndex = static_cast<unsigned long long>(index);
  if (unsignedIndex >= static_cast<unsigned long long>(kCoefTableSize)) {
    throw CoefIndexError(index);
  }
  return static_cast<std::size_t>(unsignedIndex);
}

std::int16_t CoefTable::at(long long index) const { return entries_[checked(index)]; }

void CoefTable::set(long long index, std::int16_t value) { entries_[checked(index)] = value; }

}  // namespace dct
