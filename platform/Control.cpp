#include "Control.h"

#include "Peers.h"
#include "Runtime.h"

namespace dct::platform {

std::string ControlIdentity::Name() const {
  return index < 0 ? name : name + "(" + std::to_string(index) + ")";
}

Control::Control(ControlIdentity identity, bool enabled)
    : identity_(std::move(identity)), enabled_(enabled) {}

Control::~Control() = default;

void Control::SetAccessibleName(std::string_view text) {
  if (accessibleName_ == text) return;
  accessibleName_ = text;
  Peer().SetAccessibleName(text);
}

void Control::SetAccessibleDescription(std::string_view text) {
  if (accessibleDescription_ == text) return;
  accessibleDescription_ = text;
  Peer().SetAccessibleDescription(text);
}

void Control::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  Peer().ShowEnabled(enabled);
}

void Control::Raise(std::string_view event, const Handler& handler) const {
  if (!handler) return;
  Runtime::Raise({identity_.name, event, identity_.index}, handler);
}

}  // namespace dct::platform
