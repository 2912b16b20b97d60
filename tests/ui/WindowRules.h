#pragma once

#include <optional>
#include <string>

#include "tests/ui/OpenWindow.h"
#include "ui/window/Form1.h"

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
// The deepest nesting of handlers that a user action on the window may
// cause: typing into a box that is not selected runs Text2_Change, then
// HScroll1_Change, HScroll2_Change and Text2_Change inside it. The lesson's
// handlers run the window's inside them, one deeper.
inline constexpr int kWindowNesting = 4;
inline constexpr int kLessonNesting = kWindowNesting + 1;

std::optional<std::string> BrokenRule(const Form1& form, const TestRuntime& events,
                                      bool blockComputed, int deepestNesting = kWindowNesting);

// The same rules but the pixel block's: while the user drags the value bar's
// thumb the table follows it, and the block waits for the release.
std::optional<std::string> BrokenRuleWhileDragging(const Form1& form, const TestRuntime& events,
                                                   int deepestNesting = kWindowNesting);

}  // namespace dct::ui::testing_support
