#include "PageLink.h"

#include "BlockLink.h"
#include "ChallengeLink.h"
#include "EnterTable.h"
#include "Lesson.h"

namespace dct::ui {
namespace {

std::string_view fragmentOf(std::string_view link) {
  const auto hash = link.find('#');
  return hash == std::string_view::npos ? link : link.substr(hash + 1);
}

}  // namespace

PageLink ReadPageLink(std::string_view link) {
  const std::string_view fragment = fragmentOf(link);
  if (fragment.empty()) return {};
  if (fragment.starts_with(kChallengeLinkKey)) {
    const auto target = ReadChallengeLink(fragment.substr(kChallengeLinkKey.size()));
    return target ? PageLink{LinkKind::Challenge, *target} : PageLink{LinkKind::Unreadable, {}};
  }
  const auto coefficients = ReadBlockLink(fragment);
  if (!coefficients) return {LinkKind::Unreadable, {}};
  PageLink read{LinkKind::Block, {}};
  for (const LinkedCoefficient& coefficient : *coefficients) {
    read.table.set(coefficient.index, coefficient.value);
  }
  return read;
}

void OpenPageLink(const PageLink& link, Form1& window, Lesson* lesson) {
  if (link.kind == LinkKind::Challenge) {
    if (lesson != nullptr) lesson->OpenChallenge(link.table);
  } else if (link.kind == LinkKind::Block) {
    if (lesson != nullptr) lesson->EndChallenge();
    EnterTable(window, link.table);
  }
}

}  // namespace dct::ui
