#include "platform/CommandButton.h"

#include "platform/Backend.h"

namespace dct::platform {

CommandButton::CommandButton(FormPeer& form, const CommandButtonSettings& settings)
    : Control(settings.identity),
      caption_(settings.caption),
      peer_(backend::CreateCommandButton(form, settings, *this)) {}

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
