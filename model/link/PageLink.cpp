#include "model/link/PageLink.h"

#include "model/link/BlockLink.h"
#include "model/link/ChallengeLink.h"

namespace dct {

PageLink ReadPageLink(std::string_view link) {
  const auto hash = link.find('#');
  const std::string_view fragment = hash == std::string_view::npos ? link : link.substr(hash + 1);
  if (fragment.empty()) return {};
  const bool challenge = fragment.starts_with(kChallengeLinkKey);
  const auto table = challenge ? ReadChallengeLink(fragment.substr(kChallengeLinkKey.size()))
                               : ReadBlockLink(fragment);
  if (!table) return {challenge ? LinkKind::DamagedChallenge : LinkKind::Unreadable, {}};
  return {challenge ? LinkKind::Challenge : LinkKind::Block, *table};
}

std::string PageFragment(const PageLink& link) {
  switch (link.kind) {
    case LinkKind::Block:
      return BlockLink(link.table);
    case LinkKind::Challenge:
      // A window holds no value that a challenge's link cannot.
      return std::string(kChallengeLinkKey) + ChallengeLink(link.table).value_or("");
    case LinkKind::None:
    case LinkKind::Unreadable:
    case LinkKind::DamagedChallenge:
      break;
  }
  return {};
}

std::string PageAddress(std::string_view base, std::string_view fragment) {
  return std::string(base) + "#" + std::string(fragment);
}

}  // namespace dct
