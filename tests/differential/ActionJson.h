#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "tests/random/Action.h"

namespace dct::ui::differential {

using random_test::Action;

// An action as one line of JSON, which the page's player reads too: the kind
// by name ("ClickCoefficientBox"), keys by the names a browser gives them
// ("ArrowLeft"), and only the fields that the kind uses.
std::string ActionToJson(const Action& action);
std::optional<Action> ActionFromJson(std::string_view line);

}  // namespace dct::ui::differential
