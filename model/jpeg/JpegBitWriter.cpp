#include "model/jpeg/JpegBitWriter.h"

#include <algorithm>
#include <utility>

namespace dct {
namespace {

constexpr int kByteBits = 8;
constexpr int kPutMax = 16;
constexpr std::uint8_t kMarkerByte = 0xFF;

}  // namespace

void JpegBitWriter::Put(unsigned bits, int length) {
  length = std::clamp(length, 0, kPutMax);
  pending_ = (pending_ << length) | (bits & ((1U << length) - 1U));
  pendingCount_ += length;
  while (pendingCount_ >= kByteBits) {
    pendingCount_ -= kByteBits;
    putByte(static_cast<std::uint8_t>(pending_ >> pendingCount_));
  }
  pending_ &= (1U << pendingCount_) - 1U;
}

std::vector<std::uint8_t> JpegBitWriter::Finish() && {
  if (pendingCount_ > 0) Put(0xFFU, kByteBits - pendingCount_);
  return std::move(bytes_);
}

void JpegBitWriter::putByte(std::uint8_t byte) {
  bytes_.push_back(byte);
  if (byte == kMarkerByte) bytes_.push_back(0x00);
}

}  // namespace dct
