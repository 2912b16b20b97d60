#include "platform/web/WebHint.h"

#include <emscripten/eventloop.h>

namespace dct::platform::web {
namespace {

// As long as a desktop waits before it shows a tooltip.
constexpr double kHoverDelayMs = 700;

}  // namespace

WebHint::WebHint(const val& client, Events& events) : element_(CreateElement("div", "hint")) {
  SetAttribute(element_, "role", "tooltip");
  element_.set("hidden", true);
  client.call<void>("appendChild", element_);
  // A press anywhere closes the hint, as on the desktop; a tap on a box
  // opens that box's hint when the finger lifts.
  events.Listen(Document(), "pointerdown", [this](const val&) {
    if (open_ != nullptr) Close(*open_);
    cancelPending();
  });
}

void WebHint::OpenSoon(const HintOwner& owner) {
  if (open_ == &owner || pending_ == &owner) return;
  cancelPending();
  pending_ = &owner;
  timer_ = emscripten_set_timeout(&WebHint::openPending, kHoverDelayMs, this);
}

void WebHint::openPending(void* hint) {
  auto* self = static_cast<WebHint*>(hint);
  self->timer_ = 0;
  const HintOwner* owner = self->pending_;
  self->pending_ = nullptr;
  if (owner != nullptr) self->OpenNow(*owner);
}

void WebHint::OpenNow(const HintOwner& owner) {
  cancelPending();
  open_ = &owner;
  const val& anchor = owner.HintAnchor();
  // Below the box and a little to the right, as a desktop places tooltips.
  SetPixels(element_, "left", anchor["offsetLeft"].as<int>() + 8);
  SetPixels(element_, "top", anchor["offsetTop"].as<int>() + anchor["offsetHeight"].as<int>() + 4);
  element_.set("textContent", owner.HintText());
  element_.set("hidden", false);
}

void WebHint::Close(const HintOwner& owner) {
  if (pending_ == &owner) cancelPending();
  if (open_ != &owner) return;
  open_ = nullptr;
  element_.set("hidden", true);
}

void WebHint::Refresh(const HintOwner& owner) {
  if (open_ == &owner) element_.set("textContent", owner.HintText());
}

void WebHint::cancelPending() {
  if (timer_ != 0) emscripten_clear_timeout(timer_);
  timer_ = 0;
  pending_ = nullptr;
}

}  // namespace dct::platform::web
