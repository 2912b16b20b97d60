#pragma once

#include <string>

#include "ui/lesson/Lesson.h"
#include "ui/window/Form1.h"

namespace dct::ui::differential {

// The window's state as a user sees it, read from the widgets, as one line of
// JSON in the form of the page's (tests/web/harness.mjs, windowState): the 64
// coefficient texts and colours, the 64 pixel hints and greys, both bars, the
// indicator's colour and the focused control (null outside the window); and
// what the lesson beside it says: its figures, its bars' labels, its
// challenge and the fragment of its link (page-player.mjs, lessonState).
std::string WindowStateJson(const Form1& form, const Lesson& lesson);

}  // namespace dct::ui::differential
