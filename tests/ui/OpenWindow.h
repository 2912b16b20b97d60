#pragma once

#include <memory>

#include "app/Program.h"
#include "ui/window/Form1.h"

namespace dct::ui::testing_support {

// A new window as the program opens it: loaded, shown and active, with the
// record of handler nesting cleared.
std::unique_ptr<Form1> OpenWindow();

// The window with the lesson beside it, as `--licao --seed 1` opens them,
// the window active.
std::unique_ptr<Program> OpenWindowAndLesson();

}  // namespace dct::ui::testing_support
