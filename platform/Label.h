#pragma once

#include <memory>

#include "Control.h"
#include "Peers.h"

namespace dct::platform {

// Text aligned left, no border, no access key; never takes the focus.
class Label : public Control {
 public:
  Label(FormPeer& form, const LabelSettings& settings);
  ~Label() override;

  ControlPeer& Peer() const override { return *peer_; }

 private:
  std::unique_ptr<ControlPeer> peer_;
};

}  // namespace dct::platform
