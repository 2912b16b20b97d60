#include "PageLink.h"

#include "BlockLink.h"
#include "ChallengeLink.h"
#include "EnterTable.h"
#include "Lesson.h"

namespace dct::ui {

std::string_view LinkFragment(std::string_view link) {
  const auto hash = link.find('#');
  return hash == std::string_view::npos ? link : link.substr(hash + 1);
}

LinkKind KindOfLink(std::string_view fragment) {
  if (fragment.empty()) return LinkKind::None;
  if (fragment.starts_with(kChallengeLinkKey)) {
    return ReadChallengeLink(fragment.substr(kChallengeLinkKey.size())) ? LinkKind::Challenge
                                                                        : LinkKind::Unreadable;
  }
  return ReadBlockLink(fragment) ? LinkKind::Block : LinkKind::Unreadable;
}

LinkKind OpenPageLink(std::string_view fragment, Form1& window, Lesson* lesson) {
  const LinkKind kind = KindOfLink(fragment);
  if (kind == LinkKind::Challenge) {
    const auto target = ReadChallengeLink(fragment.substr(kChallengeLinkKey.size()));
    if (lesson != nullptr) lesson->OpenChallenge(*target);
  } else if (kind == LinkKind::Block) {
    CoefTable table;
    const auto coefficients = ReadBlockLink(fragment);
    for (const LinkedCoefficient& coefficient : *coefficients) {
      table.set(coefficient.index, coefficient.value);
    }
    if (lesson != nullptr) lesson->EndChallenge();
    EnterTable(window, table);
  }
  return kind;
}

}  // namespace dct::ui
