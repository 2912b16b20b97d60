#include "model/jpeg/JpegFile.h"

#include <algorithm>
#include <cstddef>
#include <stdexcept>
#include <utility>

#include "model/jpeg/JpegBitWriter.h"
#include "model/jpeg/JpegBlockCode.h"
#include "model/jpeg/ZigZag.h"

namespace dct {
namespace {

constexpr int kSideMax = 0xFFFF;

enum Marker : std::uint8_t {
  kStartOfImage = 0xD8,
  kApplication0 = 0xE0,
  kQuantisationTable = 0xDB,
  kStartOfFrameBaseline = 0xC0,
  kHuffmanTable = 0xC4,
  kStartOfScan = 0xDA,
  kEndOfImage = 0xD9,
};

using Bytes = std::vector<std::uint8_t>;

std::uint8_t highByte(int value) { return static_cast<std::uint8_t>(value >> 8); }
std::uint8_t lowByte(int value) { return static_cast<std::uint8_t>(value); }

void putMarker(Bytes& file, Marker marker) {
  file.push_back(0xFF);
  file.push_back(marker);
}

// A marker, the length of what follows it (those two bytes included), then
// the payload.
void putSegment(Bytes& file, Marker marker, const Bytes& payload) {
  putMarker(file, marker);
  const int length = static_cast<int>(payload.size()) + 2;
  file.push_back(highByte(length));
  file.push_back(lowByte(length));
  file.insert(file.end(), payload.begin(), payload.end());
}

// JFIF 1.01, density unit 0 (only the aspect ratio), 1×1, no thumbnail.
Bytes jfifHeader() { return {'J', 'F', 'I', 'F', 0, 1, 1, 0, 0, 1, 0, 1, 0, 0}; }

// Precision 0 (8-bit steps), table 0.
Bytes quantisationTable(const StepTable& steps) {
  Bytes payload{0x00};
  for (const int index : kZigZag)
    payload.push_back(lowByte(steps[static_cast<std::size_t>(index)]));
  return payload;
}

// 8-bit samples; one component, number 1, sampled 1×1, quantised by table 0.
Bytes frameHeader(int width, int height) {
  return {8, highByte(height), lowByte(height), highByte(width), lowByte(width), 1, 1, 0x11, 0};
}

// Class (0 DC, 1 AC) in the high half of the first byte, table 0 in the low.
Bytes huffmanTable(int tableClass, const HuffmanTable& table) {
  Bytes payload(1 + table.Counts.size() + table.Symbols.size());
  payload[0] = static_cast<std::uint8_t>(tableClass << 4);
  const auto symbols = std::copy(table.Counts.begin(), table.Counts.end(), payload.begin() + 1);
  std::copy(table.Symbols.begin(), table.Symbols.end(), symbols);
  return payload;
}

// Component 1 with DC and AC tables 0; all of zig-zag ranks 0..63 in one
// scan, no successive approximation.
Bytes scanHeader() { return {1, 1, 0x00, 0, 63, 0}; }

Bytes codedData(std::span<const QuantisedBlock> blocks) {
  JpegBitWriter writer;
  std::int16_t previousDc = 0;
  for (const QuantisedBlock& block : blocks) {
    for (const JpegSymbol& symbol : CodeJpegBlock(block, previousDc).Symbols) {
      writer.Put(symbol.Code.Bits, symbol.Code.Length);
      writer.Put(symbol.Amplitude, symbol.Size);
    }
    previousDc = block[0];
  }
  return std::move(writer).Finish();
}

std::size_t blockCount(int side) {
  return static_cast<std::size_t>((side + kGridSide - 1) / kGridSide);
}

}  // namespace

std::vector<std::uint8_t> JpegFileBytes(int width, int height, const StepTable& steps,
                                        std::span<const QuantisedBlock> blocks) {
  if (width < 1 || height < 1 || width > kSideMax || height > kSideMax) {
    throw std::invalid_argument("a JPEG file's sides must lie within 1..65535");
  }
  if (!IsBaselineStepTable(steps)) {
    throw std::invalid_argument("a JPEG quantisation step lies outside 1..255");
  }
  if (blocks.size() != blockCount(width) * blockCount(height)) {
    throw std::invalid_argument("the blocks do not cover the picture's grid");
  }
  Bytes file;
  putMarker(file, kStartOfImage);
  putSegment(file, kApplication0, jfifHeader());
  putSegment(file, kQuantisationTable, quantisationTable(steps));
  putSegment(file, kStartOfFrameBaseline, frameHeader(width, height));
  putSegment(file, kHuffmanTable, huffmanTable(0, kLuminanceDcTable));
  putSegment(file, kHuffmanTable, huffmanTable(1, kLuminanceAcTable));
  putSegment(file, kStartOfScan, scanHeader());
  const Bytes data = codedData(blocks);
  file.insert(file.end(), data.begin(), data.end());
  putMarker(file, kEndOfImage);
  return file;
}

}  // namespace dct
