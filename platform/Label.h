#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "platform/Control.h"
#include "platform/Peers.h"

namespace dct::platform {

// Text aligned left, no border, no access key; never takes the focus.
class Label : public Control {
 public:
  Label(Runtime& runtime, FormPeer& form, const LabelSettings& settings);
  ~Label() override;

  void SetCaption(std::string_view text);

  ControlPeer& Peer() const override { return *peer_; }

 private:
  void ShowUnshown() override;

  std::string caption_;
  bool captionUnshown_ = false;
  std::unique_ptr<LabelPeer> peer_;
};

}  // namespace dct::platform
