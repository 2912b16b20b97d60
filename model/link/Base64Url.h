#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace dct {

// Base64 with the URL's alphabet (RFC 4648, section 5: A-Z a-z 0-9 - _) and
// no padding, so that the text goes into an address as it is.
std::string EncodeBase64Url(std::span<const std::uint8_t> bytes);

// The bytes of such a text, read strictly: nothing for a character outside
// the alphabet ("=" included), a length that no bytes give (4k + 1), or a
// last character whose unused bits are not 0, so that each byte string has
// exactly one text.
std::optional<std::vector<std::uint8_t>> DecodeBase64Url(std::string_view text);

}  // namespace dct
