#pragma once

#include "Peers.h"
#include "WebPeer.h"

namespace dct::platform::web {

// A push button that is neither the default (Enter) nor the cancel button.
class WebButton : public WebPeer<ControlPeer> {
 public:
  WebButton(const val& client, const CommandButtonSpec& settings, ButtonInput& input);
};

}  // namespace dct::platform::web
