#include "model/jpeg/HuffmanTable.h"

#include <cstddef>

namespace dct {

HuffmanCodes CanonicalCodes(const HuffmanTable& table) {
  HuffmanCodes codes{};
  std::size_t next = 0;
  unsigned code = 0;
  for (int length = 1; length <= kHuffmanLengthMax; ++length) {
    const int count = table.Counts[static_cast<std::size_t>(length - 1)];
    // A table that lists fewer symbols than it counts codes for leaves the
    // rest without one.
    for (int i = 0; i < count && next < table.Symbols.size(); ++i, ++code) {
      codes[table.Symbols[next++]] = {static_cast<std::uint16_t>(code),
                                      static_cast<std::uint8_t>(length)};
    }
    code <<= 1;
  }
  return codes;
}

const HuffmanCodes& LuminanceDcCodes() {
  static const HuffmanCodes codes = CanonicalCodes(kLuminanceDcTable);
  return codes;
}

const HuffmanCodes& LuminanceAcCodes() {
  static const HuffmanCodes codes = CanonicalCodes(kLuminanceAcTable);
  return codes;
}

}  // namespace dct
