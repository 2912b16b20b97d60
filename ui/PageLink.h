#pragma once

#include <string_view>

#include "Form1.h"

namespace dct::ui {

class Lesson;

// What a page address ends in, after "#": coefficients as dct-block takes
// them ("0,0=100&1,0=-40") or a challenge ("desafio=..."). A whole address,
// or the text from "#" on, is read from its "#".
enum class LinkKind { None, Block, Challenge, Unreadable };

inline constexpr const char* kUnreadableLink =
    "O endereço desta página traz coeficientes que não se podem ler; foram ignorados.";

// The fragment of a link: what follows its first "#", or the whole text
// when it has none.
std::string_view LinkFragment(std::string_view link);

LinkKind KindOfLink(std::string_view fragment);

// Opens a fragment as the page does at load: a block ends any challenge,
// resets the window and enters its table; a challenge opens in the lesson
// (when there is one) with an empty window; anything unreadable changes
// nothing. Returns what it was.
LinkKind OpenPageLink(std::string_view fragment, Form1& window, Lesson* lesson);

}  // namespace dct::ui
