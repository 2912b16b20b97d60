#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "Geometry.h"

class QWidget;

namespace dct::platform {

using Handler = std::function<void()>;

// What every control has: a name (with an index for an element of a control
// array), a place on the form and a position in the Tab order.
struct ControlIdentity {
  std::string name;
  int index = -1;  // -1: not an array element
  Rect rect;
  int tabIndex = 0;
};

class Control {
 public:
  virtual ~Control();
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  const ControlIdentity& Identity() const { return identity_; }
  // What a screen reader says of the control, and what more it can tell.
  void SetAccessibleName(std::string_view text);
  void SetAccessibleDescription(std::string_view text);

  // The toolkit's widget, for the form's layout and for tests that drive it.
  QWidget* widget() const { return widget_; }

 protected:
  Control(ControlIdentity identity, QWidget* widget);
  // Runs the handler of this control's event (if one is set) through the runtime.
  void Raise(std::string_view event, const Handler& handler) const;

 private:
  ControlIdentity identity_;
  QWidget* widget_;
};

}  // namespace dct::platform
