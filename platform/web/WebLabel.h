#pragma once

#include "Peers.h"
#include "WebPeer.h"

namespace dct::platform::web {

// Text aligned left, no border, no access key; never takes the focus.
class WebLabel : public WebPeer<ControlPeer> {
 public:
  WebLabel(const val& client, const LabelSpec& settings);
};

}  // namespace dct::platform::web
