#pragma once

#include <QWidget>

#include "Control.h"
#include "Form.h"

// For tests, tools and benchmarks of the desktop edition, which drive or
// picture the real widgets.
namespace dct::platform::qt {

QWidget* WidgetOf(const Control& control);
QWidget* WindowOf(const Form& form);

}  // namespace dct::platform::qt
