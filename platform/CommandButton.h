#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "platform/Control.h"
#include "platform/Peers.h"

namespace dct::platform {

// A push button that is neither the default nor the cancel button: a user
// presses it by clicking it, or with Space or Enter while it has the focus.
class CommandButton : public Control, private ButtonInput {
 public:
  CommandButton(Runtime& runtime, FormPeer& form, const CommandButtonSettings& settings);
  ~CommandButton() override;

  void SetCaption(std::string_view text);

  void OnClick(Handler handler) { onClick_ = std::move(handler); }

  ControlPeer& Peer() const override { return *peer_; }

 private:
  void Clicked() override;

  std::string caption_;
  Handler onClick_;
  std::unique_ptr<CommandButtonPeer> peer_;
};

}  // namespace dct::platform
