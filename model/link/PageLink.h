#pragma once

#include <string>
#include <string_view>

#include "model/CoefTable.h"

namespace dct {

// What a page address ends in, after "#": coefficients as dct-block takes
// them ("0,0=100&1,0=-40") or a challenge ("desafio=..."). Both editions read
// and write their links here: the page its address, the lesson a challenge's
// link, the desktop its argument.
// A challenge's link that does not read (a character missing or changed) is
// told apart from any other link that does not.
enum class LinkKind { None, Block, Challenge, Unreadable, DamagedChallenge };

// A link as read: its kind and the table it holds, the block's coefficients
// or the challenge's target (empty for the other kinds).
struct PageLink {
  LinkKind kind = LinkKind::None;
  CoefTable table;
};

// Reads a whole address, or the text from its first "#" on, or a fragment
// without its "#".
PageLink ReadPageLink(std::string_view link);

// The fragment that gives the link back: a block's non-zero coefficients by
// index (empty for none), or a challenge's target.
std::string PageFragment(const PageLink& link);

// The address of a fragment: `base` (an address without its fragment; empty
// on the desktop) with "#" and the fragment.
std::string PageAddress(std::string_view base, std::string_view fragment);

}  // namespace dct
