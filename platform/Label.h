#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "Control.h"
#include "Peers.h"

namespace dct::platform {

// Text aligned left, no border, no access key; never takes the focus.
class Label : public Control {
 public:
  Label(FormPeer& form, const LabelSettings& settings);
  ~Label() override;

  void SetCaption(std::string_view text);

  ControlPeer& Peer() const override { return *peer_; }

 private:
  std::string caption_;
  std::unique_ptr<LabelPeer> peer_;
};

}  // namespace dct::platform
