#pragma once

#include <memory>

#include "Form1.h"

namespace dct::ui::testing_support {

// A new window as the program opens it: loaded, shown and active, with the
// record of handler nesting cleared.
std::unique_ptr<Form1> OpenWindow();

}  // namespace dct::ui::testing_support
