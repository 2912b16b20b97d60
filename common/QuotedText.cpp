#include "common/QuotedText.h"

#include <cstdio>

namespace dct {
namespace {

// The length of the UTF-8 sequence that starts at `at`, or 0 when none does
// (a stray continuation byte, a sequence cut short, an overlong form, a
// surrogate, a code point beyond U+10FFFF).
std::size_t Utf8Length(std::string_view text, std::size_t at) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[at + i]); };
  const unsigned char lead = byte(0);
  if (lead < 0x80) return 1;
  // By lead byte: the length and the range of the byte after it.
  struct Lead {
    unsigned char from, to;
    std::size_t length;
    unsigned char secondFrom, secondTo;
  };
  constexpr Lead kLeads[] = {
      {0xC2, 0xDF, 2, 0x80, 0xBF}, {0xE0, 0xE0, 3, 0xA0, 0xBF}, {0xE1, 0xEC, 3, 0x80, 0xBF},
      {0xED, 0xED, 3, 0x80, 0x9F}, {0xEE, 0xEF, 3, 0x80, 0xBF}, {0xF0, 0xF0, 4, 0x90, 0xBF},
      {0xF1, 0xF3, 4, 0x80, 0xBF}, {0xF4, 0xF4, 4, 0x80, 0x8F},
  };
  for (const Lead& l : kLeads) {
    if (lead < l.from || lead > l.to) continue;
    if (text.size() - at < l.length || byte(1) < l.secondFrom || byte(1) > l.secondTo) return 0;
    for (std::size_t i = 2; i < l.length; ++i) {
      if (byte(i) < 0x80 || byte(i) > 0xBF) return 0;
    }
    return l.length;
  }
  return 0;
}

}  // namespace

std::string Quoted(std::string_view text) {
  std::string quoted = "'";
  for (std::size_t at = 0; at < text.size();) {
    const auto byte = static_cast<unsigned char>(text[at]);
    const std::size_t length = Utf8Length(text, at);
    if (length == 0 || byte < 0x20 || byte == 0x7F) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
      quoted += escaped;
      ++at;
    } else {
      quoted += text.substr(at, length);
      at += length;
    }
  }
  return quoted + "'";
}

}  // namespace dct
