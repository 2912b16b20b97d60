#include "platform/Control.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "platform/Peers.h"
#include "platform/Runtime.h"

namespace dct::platform {
namespace {

// In the order of their first assignment since they were last shown.
std::vector<Control*> waiting;

}  // namespace

std::string ControlIdentity::Name() const {
  return index < 0 ? name : name + "(" + std::to_string(index) + ")";
}

Control::Control(ControlIdentity identity, bool enabled)
    : identity_(std::move(identity)), enabled_(enabled) {}

Control::~Control() {
  if (waitsToShow_) std::erase(waiting, this);
}

void Control::ShowAssigned() {
  if (Runtime::HandlerDepth() == 0) {
    ShowUnshown();
  } else if (!waitsToShow_) {
    waitsToShow_ = true;
    waiting.push_back(this);
  }
}

void Control::ShowAllAssigned() {
  // Showing raises nothing, so no control joins the list meanwhile.
  for (Control* control : std::exchange(waiting, {})) {
    control->waitsToShow_ = false;
    control->ShowUnshown();
  }
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
  Runtime::Raise({identity_.name, event, identity_.index}, handler);
}

}  // namespace dct::platform
