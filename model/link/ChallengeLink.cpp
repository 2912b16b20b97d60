#include "model/link/ChallengeLink.h"

#include <array>
#include <cstddef>
#include <cstdint>

#include "model/CoefficientFromText.h"
#include "model/link/Base64Url.h"

namespace dct {
namespace {

constexpr std::uint8_t kVersion = 1;
// The version, the 64 values and the check.
constexpr std::size_t kLinkBytes = 1 + kGridCount + 1;
constexpr std::size_t kLinkChars = (kLinkBytes * 8 + 5) / 6;
constexpr std::size_t kValuesAt = 1;
constexpr std::size_t kCheckAt = kLinkBytes - 1;

using LinkBytes = std::array<std::uint8_t, kLinkBytes>;

// Hides the values, nothing more: any fixed bytes that are not mostly 0
// would do. These come from a 32-bit xorshift generator.
constexpr std::array<std::uint8_t, kGridCount> kKey = [] {
  std::array<std::uint8_t, kGridCount> key{};
  std::uint32_t state = 0x2F6B3A91;
  for (auto& byte : key) {
    state ^= state << 13;
    state ^= state >> 17;
    state ^= state << 5;
    byte = static_cast<std::uint8_t>(state >> 24);
  }
  return key;
}();

// CRC-8 with the polynomial x⁸ + x² + x + 1: it catches every error confined
// to 8 neighbouring bits, so every changed character of the text.
std::uint8_t crc8(const LinkBytes& bytes, std::size_t count) {
  std::uint8_t crc = 0;
  for (std::size_t i = 0; i < count; ++i) {
    crc ^= bytes[i];
    for (int bit = 0; bit < 8; ++bit) {
      crc = static_cast<std::uint8_t>((crc & 0x80) != 0 ? (crc << 1) ^ 0x07 : crc << 1);
    }
  }
  return crc;
}

// The version and the plain values: what the check covers.
std::uint8_t checkOf(const LinkBytes& plain) { return crc8(plain, kCheckAt); }

}  // namespace

std::optional<std::string> ChallengeLink(const CoefTable& target) {
  LinkBytes plain{};
  plain[0] = kVersion;
  for (std::size_t i = 0; i < kGridCount; ++i) {
    const int value = target.at(static_cast<long long>(i));
    if (value < kCoefMin || value > kCoefMax) return std::nullopt;
    plain[kValuesAt + i] = static_cast<std::uint8_t>(value);
  }
  LinkBytes hidden = plain;
  for (std::size_t i = 0; i < kGridCount; ++i) hidden[kValuesAt + i] ^= kKey[i];
  hidden[kCheckAt] = checkOf(plain);
  return EncodeBase64Url(hidden);
}

std::optional<CoefTable> ReadChallengeLink(std::string_view text) {
  if (text.size() != kLinkChars) return std::nullopt;
  const auto bytes = DecodeBase64Url(text);
  if (!bytes || bytes->size() != kLinkBytes || (*bytes)[0] != kVersion) return std::nullopt;
  LinkBytes plain{};
  for (std::size_t i = 0; i < kLinkBytes; ++i) plain[i] = (*bytes)[i];
  for (std::size_t i = 0; i < kGridCount; ++i) plain[kValuesAt + i] ^= kKey[i];
  if (plain[kCheckAt] != checkOf(plain)) return std::nullopt;
  CoefTable target;
  for (std::size_t i = 0; i < kGridCount; ++i) {
    const auto value = static_cast<std::int8_t>(plain[kValuesAt + i]);
    if (value < kCoefMin || value > kCoefMax) return std::nullopt;
    target.set(static_cast<long long>(i), value);
  }
  return target;
}

}  // namespace dct
