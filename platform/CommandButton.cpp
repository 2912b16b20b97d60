#include "CommandButton.h"

namespace dct::platform {

CommandButton::CommandButton(FormPeer& form, const CommandButtonSpec& settings)
    : Control(settings.identity), peer_(form.AddCommandButton(settings, *this)) {}

CommandButton::~CommandButton() = default;

void CommandButton::Clicked() { Raise("Click", onClick_); }

}  // namespace dct::platform
