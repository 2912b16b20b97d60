#include "platform/CommandButton.h"

namespace dct::platform {

CommandButton::CommandButton(Runtime& runtime, FormPeer& form,
                             const CommandButtonSettings& settings)
    : Control(runtime, settings.identity),
      caption_(settings.caption),
      peer_(form.CreateCommandButton(settings, *this)) {}

CommandButton::~CommandButton() = default;

void CommandButton::SetCaption(std::string_view text) {
  if (text == caption_) return;
  caption_ = text;
  peer_->ShowCaption(caption_);
}

void CommandButton::Clicked() {
  if (Enabled()) Raise("Click", onClick_);
}

}  // namespace dct::platform
