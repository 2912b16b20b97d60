#include "platform/Control.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "platform/Peers.h"
#include "platform/Runtime.h"

namespace dct::platform {

std::string ControlIdentity::Name() const {
  return index < 0 ? name : name + "(" + std::to_string(index) + ")";
}

Control::Control(Runtime& runtime, ControlIdentity identity, bool enabled)
    : runtime_(runtime), identity_(std::move(identity)), enabled_(enabled) {}

Control::~Control() {
  if (waitsToShow_) runtime_.ForgetUnshown(*this);
}

void Control::ShowAssigned() {
  if (runtime_.HandlerDepth() == 0) {
    ShowUnshown();
  } else if (!waitsToShow_) {
    waitsToShow_ = true;
    runtime_.ShowAfterHandlers(*this);
  }
}

void Control::ShowNow() {
  waitsToShow_ = false;
  ShowUnshown();
}

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
  runtime_.Raise({identity_.name, event, identity_.index}, handler);
}

}  // namespace dct::platform
