#pragma once

#include <cstdint>
#include <vector>

namespace dct {

// The coded data of a JPEG scan, bit by bit, first bit the highest of its
// byte. Each byte 0xFF is followed by a stuffed 0x00, so that the data
// cannot be taken for a marker.
class JpegBitWriter {
 public:
  // The low `length` bits of `bits`, the highest first; `length` is limited
  // to 0..16.
  void Put(unsigned bits, int length);
  // The bytes, the last one filled up with 1 bits.
  std::vector<std::uint8_t> Finish() &&;

 private:
  void putByte(std::uint8_t byte);

  std::vector<std::uint8_t> bytes_;
  unsigned pending_ = 0;  // the last pendingCount_ bits, not yet a whole byte
  int pendingCount_ = 0;
};

}  // namespace dct
