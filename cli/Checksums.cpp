#include "Checksums.h"

#include <array>

namespace dct::cli {
namespace {

using CrcTable = std::array<std::uint32_t, 256>;

constexpr CrcTable MakeCrcTable() {
  CrcTable table{};
  for (std::uint32_t n = 0; n < 256; ++n) {
    std::uint32_t c = n;
    for (int bit = 0; bit < 8; ++bit) c = (c & 1U) != 0 ? 0xEDB88320U ^ (c >> 1) : c >> 1;
    table[n] = c;
  }
  return table;
}

constexpr CrcTable kCrcTable = MakeCrcTable();
constexpr std::uint32_t kAdlerModulus = 65521;
// The most bytes that can be summed before the 32-bit sums could overflow.
constexpr std::size_t kAdlerRun = 5552;

}  // namespace

std::uint32_t Crc32(std::span<const std::uint8_t> bytes, std::uint32_t crc) {
  crc = ~crc;
  for (const std::uint8_t byte : bytes) crc = kCrcTable[(crc ^ byte) & 0xFFU] ^ (crc >> 8);
  return ~crc;
}

std::uint32_t Adler32(std::span<const std::uint8_t> bytes, std::uint32_t adler) {
  std::uint32_t a = adler & 0xFFFFU;
  std::uint32_t b = adler >> 16;
  while (!bytes.empty()) {
    const std::size_t run = bytes.size() < kAdlerRun ? bytes.size() : kAdlerRun;
    for (const std::uint8_t byte : bytes.first(run)) {
      a += byte;
      b += a;
    }
    a %= kAdlerModulus;
    b %= kAdlerModulus;
    bytes = bytes.subspan(run);
  }
  return (b << 16) | a;
}

}  // namespace dct::cli
