#include "model/link/Base64Url.h"

#include <array>
#include <cstddef>

namespace dct {
namespace {

constexpr std::string_view kAlphabet =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_";
constexpr int kBitsPerChar = 6;
constexpr std::uint32_t kCharMask = 0x3F;
constexpr int kNotInAlphabet = -1;

constexpr std::array<int, 256> kValueOf = [] {
  std::array<int, 256> values{};
  values.fill(kNotInAlphabet);
  for (std::size_t i = 0; i < kAlphabet.size(); ++i) {
    values[static_cast<unsigned char>(kAlphabet[i])] = static_cast<int>(i);
  }
  return values;
}();

}  // namespace

std::string EncodeBase64Url(std::span<const std::uint8_t> bytes) {
  std::string text;
  std::uint32_t pending = 0;  // bits not yet written, at the low end
  int pendingBits = 0;
  for (const std::uint8_t byte : bytes) {
    pending = (pending << 8) | byte;
    pendingBits += 8;
    while (pendingBits >= kBitsPerChar) {
      pendingBits -= kBitsPerChar;
      text += kAlphabet[(pending >> pendingBits) & kCharMask];
      pending &= (1u << pendingBits) - 1;
    }
  }
  if (pendingBits > 0) text += kAlphabet[(pending << (kBitsPerChar - pendingBits)) & kCharMask];
  return text;
}

std::optional<std::vector<std::uint8_t>> DecodeBase64Url(std::string_view text) {
  if (text.size() % 4 == 1) return std::nullopt;
  std::vector<std::uint8_t> bytes;
  bytes.reserve(text.size() * kBitsPerChar / 8);
  std::uint32_t pending = 0;
  int pendingBits = 0;
  for (const char c : text) {
    const int value = kValueOf[static_cast<unsigned char>(c)];
    if (value == kNotInAlphabet) return std::nullopt;
    pending = (pending << kBitsPerChar) | static_cast<std::uint32_t>(value);
    pendingBits += kBitsPerChar;
    if (pendingBits >= 8) {
      pendingBits -= 8;
      bytes.push_back(static_cast<std::uint8_t>(pending >> pendingBits));
      pending &= (1u << pendingBits) - 1;
    }
  }
  if (pending != 0) return std::nullopt;
  return bytes;
}

}  // namespace dct
