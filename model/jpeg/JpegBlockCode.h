#pragma once

#include <cstdint>
#include <vector>

#include "model/jpeg/HuffmanTable.h"
#include "model/jpeg/JpegQuantisation.h"

namespace dct {

enum class JpegSymbolKind : std::uint8_t {
  // The difference of the block's DC value from the previous block's.
  Dc,
  // A non-zero AC value after Run zeros.
  Ac,
  // ZRL: sixteen zeros, where more than 15 come before a non-zero value.
  ZeroRun,
  // EOB: only zeros from here to the end of the block.
  EndOfBlock,
};

// One symbol of a block's coded data, as baseline JPEG writes it: the
// Huffman code of Symbol, then Size amplitude bits that give Value.
struct JpegSymbol {
  JpegSymbolKind Kind = JpegSymbolKind::Dc;
  // The zig-zag rank of the value it codes (0 for DC); for ZRL the first of
  // its zeros, for EOB the rank after the last non-zero value.
  int Rank = 0;
  // DC: the difference; AC: the value; 0 for ZRL and EOB.
  int Value = 0;
  // AC: the zeros before the value, 0..15; ZRL: 16; else 0.
  int Run = 0;
  // The size category: the bit length of |Value|, 0 for 0.
  int Size = 0;
  // What the Huffman table codes: Size for DC, Run·16 + Size for AC, 0xF0
  // for ZRL, 0x00 for EOB.
  std::uint8_t Symbol = 0;
  HuffmanCode Code;
  // The Size low bits of Value if it is positive, else of Value − 1.
  std::uint16_t Amplitude = 0;

  int BitCount() const { return Code.Length + Size; }
  bool operator==(const JpegSymbol&) const = default;
};

struct JpegBlockCode {
  std::vector<JpegSymbol> Symbols;
  int BitCount = 0;
};

// The largest size categories that baseline JPEG's tables code: 11 for a DC
// difference, 10 for an AC value. 8-bit levels never need more.
inline constexpr int kDcSizeMax = 11;
inline constexpr int kAcSizeMax = 10;

// The symbols that code `block` with JPEG's standard luminance tables, in
// the order written, `previousDc` being the DC value of the block coded
// before it (0 for the first). Throws std::invalid_argument if a value needs
// a larger size category than the tables have.
JpegBlockCode CodeJpegBlock(const QuantisedBlock& block, std::int16_t previousDc);

}  // namespace dct
