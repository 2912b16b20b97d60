#pragma once

#include <QImage>
#include <QWidget>

#include "platform/Control.h"
#include "platform/Form.h"
#include "platform/IndexedImage.h"

// For tests, tools and benchmarks of the desktop edition, which drive or
// picture the real widgets.
namespace dct::platform::qt {

QWidget* WidgetOf(const Control& control);
QWidget* WindowOf(const Form& form);

// The image as Qt's palette image, every colour opaque.
QImage ToQImage(const IndexedImage& image);

}  // namespace dct::platform::qt
