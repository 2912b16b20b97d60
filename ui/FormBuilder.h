#pragma once

#include "Form.h"
#include "Layout.h"

namespace dct::ui {

// Creates every control of the layout on the form, in Tab order, and returns
// them by name.
Controls BuildControls(platform::Form& form);

}  // namespace dct::ui
