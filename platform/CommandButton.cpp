#include "CommandButton.h"

#include "Backend.h"

namespace dct::platform {

CommandButton::CommandButton(FormPeer& form, const CommandButtonSettings& settings)
    : Control(settings.identity), peer_(backend::CreateCommandButton(form, settings, *this)) {}

CommandButton::~CommandButton() = default;

void CommandButton::Clicked() {
  if (Enabled()) Raise("Click", onClick_);
}

}  // namespace dct::platform
