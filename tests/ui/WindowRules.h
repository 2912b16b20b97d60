#pragma once

#include <optional>
#include <string>

#include "Form1.h"

namespace dct::ui::testing_support {

// The rules a window keeps once a user action has run to its end, in the
// words of the first one broken, or nullopt when it keeps them all: no
// handler nested deeper than a user action can make it nor left unreturned;
// what the boxes and bars show on screen is what the handlers read; every
// coefficient in -100..100 and shown by a box that reads as it, entry 64
// still 0; the selector at the selection, the value bar at its coefficient,
// the selected box highlighted and every other white; and the pixel boxes
// and the indicator showing the block of the table or, when no block has
// been computed since the last Reset (or the start), the cleared block.
std::optional<std::string> BrokenRule(const Form1& form, bool blockComputed);

// The same rules but the pixel block's: while the user drags the value bar's
// thumb the table follows it, and the block waits for the release.
std::optional<std::string> BrokenRuleWhileDragging(const Form1& form);

}  // namespace dct::ui::testing_support
