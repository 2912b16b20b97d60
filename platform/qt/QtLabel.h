#pragma once

#include "Peers.h"
#include "QtPeer.h"

namespace dct::platform::qt {

// Text aligned left, no border, no access key; never takes the focus.
class QtLabel : public QtPeer<ControlPeer> {
 public:
  QtLabel(QWidget* window, const LabelSpec& settings);
};

}  // namespace dct::platform::qt
