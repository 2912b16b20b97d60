#include "model/jpeg/JpegBlockCode.h"

#include <bit>
#include <cstddef>
#include <cstdlib>
#include <stdexcept>

#include "model/jpeg/ZigZag.h"

namespace dct {
namespace {

constexpr int kRunMax = 15;
constexpr int kZeroRunLength = kRunMax + 1;
constexpr std::uint8_t kZeroRunSymbol = 0xF0;
constexpr std::uint8_t kEndOfBlockSymbol = 0x00;

// std::bit_width gives int in C++20, but unsigned in the browser build's
// library.
int sizeOf(int value) {
  return static_cast<int>(std::bit_width(static_cast<unsigned>(std::abs(value))));
}

std::uint16_t amplitudeOf(int value, int size) {
  const int bits = value >= 0 ? value : value - 1;
  return static_cast<std::uint16_t>(static_cast<unsigned>(bits) & ((1U << size) - 1U));
}

std::uint8_t symbolOf(JpegSymbolKind kind, int run, int size) {
  switch (kind) {
    case JpegSymbolKind::Dc:
      return static_cast<std::uint8_t>(size);
    case JpegSymbolKind::Ac:
      return static_cast<std::uint8_t>(run * 16 + size);
    case JpegSymbolKind::ZeroRun:
      return kZeroRunSymbol;
    case JpegSymbolKind::EndOfBlock:
      break;
  }
  return kEndOfBlockSymbol;
}

}  // namespace

JpegBlockCode CodeJpegBlock(const QuantisedBlock& block, std::int16_t previousDc) {
  const int difference = block[0] - previousDc;
  if (sizeOf(difference) > kDcSizeMax) {
    throw std::invalid_argument("a JPEG DC difference needs more than 11 bits");
  }
  JpegBlockCode code;
  const auto add = [&code](JpegSymbolKind kind, int rank, int value, int run,
                           const HuffmanCodes& codes) {
    const int size = sizeOf(value);
    const std::uint8_t coded = symbolOf(kind, run, size);
    const JpegSymbol symbol{kind, rank,  value,        run,
                            size, coded, codes[coded], amplitudeOf(value, size)};
    code.BitCount += symbol.BitCount();
    code.Symbols.push_back(symbol);
  };
  add(JpegSymbolKind::Dc, 0, difference, 0, LuminanceDcCodes());
  int run = 0;
  for (int rank = 1; rank < kGridCount; ++rank) {
    const int value = block[static_cast<std::size_t>(kZigZag[static_cast<std::size_t>(rank)])];
    if (value == 0) {
      ++run;
      continue;
    }
    if (sizeOf(value) > kAcSizeMax) {
      throw std::invalid_argument("a JPEG AC value needs more than 10 bits");
    }
    for (; run > kRunMax; run -= kZeroRunLength) {
      add(JpegSymbolKind::ZeroRun, rank - run, 0, kZeroRunLength, LuminanceAcCodes());
    }
    add(JpegSymbolKind::Ac, rank, value, run, LuminanceAcCodes());
    run = 0;
  }
  if (run > 0) add(JpegSymbolKind::EndOfBlock, kGridCount - run, 0, 0, LuminanceAcCodes());
  return code;
}

}  // namespace dct
