#include "QtAccess.h"

#include "QtForm.h"
#include "QtPeer.h"

namespace dct::platform::qt {

QWidget* WidgetOf(const Control& control) {
  return dynamic_cast<WidgetHolder&>(control.Peer()).widget();
}

QWidget* WindowOf(const Form& form) { return dynamic_cast<QtForm&>(form.Peer()).window(); }

}  // namespace dct::platform::qt
