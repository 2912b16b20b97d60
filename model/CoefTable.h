#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>

#include "common/Grid.h"

namespace dct {

// The 64 coefficients sit at indices 0..63; entry 64 belongs to no grid
// position but is part of the table and of its bounds.
inline constexpr int kCoefTableSize = kGridCount + 1;

// A coefficient's name, "F(u,v)", u = index mod 8 the column and v = index
// div 8 the row: how the grid's corners, the selector and the lesson say it.
std::string CoefficientName(int index);

// Thrown for an index outside the table. The form runtime reports it and ends
// the program; nothing in the program is meant to catch it.
class CoefIndexError : public std::out_of_range {
 public:
  explicit CoefIndexError(long long index);
  long long index() const { return index_; }

 private:
  long long index_;
};

// The coefficient table: signed 16-bit entries, all 0 at start, with every
// read and write checked against its bounds.
class CoefTable {
 public:
  std::int16_t at(long long index) const { return entries_[checked(index)]; }
  void set(long long index, std::int16_t value) { entries_[checked(index)] = value; }

  bool operator==(const CoefTable&) const = default;

 private:
  // Treated as unsigned, so that -1 is refused exactly like 65.
  static std::size_t checked(long long index) {
    const auto unsignedIndex = static_cast<unsigned long long>(index);
    if (unsignedIndex >= static_cast<unsigned long long>(kCoefTableSize)) refuse(index);
    return static_cast<std::size_t>(unsignedIndex);
  }
  [[noreturn]] static void refuse(long long index);

  std::array<std::int16_t, kCoefTableSize> entries_{};
};

}  // namespace dct
