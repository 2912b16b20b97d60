#pragma once

#include <string_view>

#include "CoefTable.h"
#include "Form1.h"

namespace dct::ui {

class Lesson;

// What a page address ends in, after "#": coefficients as dct-block takes
// them ("0,0=100&1,0=-40") or a challenge ("desafio=..."). A whole address,
// or the text from "#" on, is read from its "#".
enum class LinkKind { None, Block, Challenge, Unreadable };

inline constexpr const char* kUnreadableLink =
    "O endereço desta página traz coeficientes que não se podem ler; foram ignorados.";

// A link as read: its kind and the table it holds, the block's coefficients
// or the challenge's target (empty for the other kinds).
struct PageLink {
  LinkKind kind = LinkKind::None;
  CoefTable table;
};

// Reads a link, or the text after its first "#" when it has one.
PageLink ReadPageLink(std::string_view link);

// Opens a link as the page does at load: a block ends any challenge, resets
// the window and enters its table; a challenge opens in the lesson (when
// there is one) with an empty window; anything unreadable changes nothing.
void OpenPageLink(const PageLink& link, Form1& window, Lesson* lesson);

}  // namespace dct::ui
