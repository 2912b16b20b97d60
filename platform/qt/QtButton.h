#pragma once

#include "Peers.h"
#include "QtPeer.h"

namespace dct::platform::qt {

// A push button that is neither the default (Enter) nor the cancel button.
class QtButton : public QtPeer<ControlPeer> {
 public:
  QtButton(QWidget* window, const CommandButtonSpec& settings, ButtonInput& input);
};

}  // namespace dct::platform::qt
