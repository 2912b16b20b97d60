#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "model/CoefTable.h"

namespace dct {

// What a page address's fragment begins with when it holds a challenge:
// "#desafio=" and then the text of ChallengeLink.
inline constexpr std::string_view kChallengeLinkKey = "desafio=";

// The target as 88 characters of base64url, which do not show its values: a
// version byte, the 64 coefficients (index 8·v + u) as signed bytes each
// XOR-ed with a fixed key byte, and a CRC-8 of the version and the plain
// values, so that a character changed or mistyped is refused. Nothing when a
// coefficient lies outside -100..100, which no window holds. Entry 64 is
// not part of it.
std::optional<std::string> ChallengeLink(const CoefTable& target);

// The target of such a text (without "desafio="), read strictly: nothing, and
// never part of a table, for anything that ChallengeLink does not make: another
// length, a character outside base64url, an unknown version, a wrong check or
// a value outside -100..100.
std::optional<CoefTable> ReadChallengeLink(std::string_view text);

}  // namespace dct
