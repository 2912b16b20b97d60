#include "platform/ScrollBar.h"

#include <stdexcept>
#include <string>

namespace dct::platform {

ScrollBar::ScrollBar(Runtime& runtime, FormPeer& form, const ScrollBarSettings& settings)
    : Control(runtime, settings.identity),
      min_(settings.range.min),
      max_(settings.range.max),
      value_(settings.value),
      peer_(form.CreateScrollBar(settings, *this)) {}

ScrollBar::~ScrollBar() = default;

void ScrollBar::SetValue(int value) {
  if (value < min_ || value > max_) {
    throw std::out_of_range(Identity().Name() + ".Value = " + std::to_string(value) +
                            " is outside " + std::to_string(min_) + ".." + std::to_string(max_));
  }
  if (value == value_) return;
  value_ = value;
  peer_->ShowValue(value);
  // An assignment is a Change, even while the user holds the thumb.
  Raise("Change", onChange_);
}

// A bar that a toolkit moved while disabled is shown back at its value.
void ScrollBar::Moved(int value) {
  if (!Enabled()) {
    peer_->ShowValue(value_);
    return;
  }
  if (value == value_) return;
  value_ = value;
  Raise("Change", onChange_);
}

void ScrollBar::ThumbPressed() { draggedSincePress_ = false; }

void ScrollBar::ThumbDragged(int value) {
  if (!Enabled()) {
    peer_->ShowValue(value_);
    return;
  }
  if (value == value_) return;
  value_ = value;
  draggedSincePress_ = true;
  Raise("Scroll", onScroll_);
}

// A drag ends with one Change; pressing and releasing the thumb without
// moving it raises none.
void ScrollBar::ThumbReleased() {
  if (!draggedSincePress_) return;
  draggedSincePress_ = false;
  if (!Enabled()) return;
  Raise("Change", onChange_);
}

}  // namespace dct::platform
