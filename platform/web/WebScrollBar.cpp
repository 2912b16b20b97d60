#include <emscripten/eventloop.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "Backend.h"
#include "Runtime.h"
#include "WebForm.h"
#include "WebPeer.h"

namespace dct::platform {
namespace web {

// A horizontal scroll bar built from elements, as a desktop draws one: an
// arrow at each end (a step, repeating while held), the track (a page towards
// the pointer, repeating while held) and a thumb to drag; the keys of the
// desktop edition when it has the focus. Pointer events, so that a finger
// works as a mouse does.
class WebScrollBar : public WebPeer<ScrollBarPeer> {
 public:
  WebScrollBar(const val& client, const ScrollBarSettings& settings, ScrollBarInput& input);
  ~WebScrollBar() override;

  void ShowValue(int value) override;

 private:
  enum class Part { LeftArrow, TrackBefore, Thumb, TrackAfter, RightArrow };

  void listen();
  void press(const val& event);
  void drag(const val& event);
  void release();
  void key(const val& event);
  void stepHeld();
  static void repeat(void* bar);
  void moveTo(int value);
  void layout();
  // The pointer's place along the bar, in the bar's own (unscaled) pixels.
  double along(const val& event) const;
  Part partAt(double x) const;
  int valueAt(double x) const;
  int thumbLeft() const;

  ScrollBarInput& input_;
  int min_;
  int max_;
  int smallChange_;
  int largeChange_;
  int value_;
  int width_;
  int thumbLength_;
  val thumb_;
  Part held_ = Part::Thumb;
  bool holding_ = false;
  double grab_ = 0;
  double pointer_ = 0;
  long timer_ = 0;
};

namespace {

// As a desktop repeats a held arrow: after half a second, twenty times a second.
constexpr double kFirstRepeatMs = 500;
constexpr double kRepeatMs = 50;
// The arrows and the shortest thumb, in pixels, as the desktop edition's style
// draws them.
constexpr int kArrowWidth = 14;
constexpr int kShortestThumb = 26;
// The pointer buttons as the browser numbers them.
constexpr int kMainButton = 0;
constexpr int kMiddleButton = 1;

val createBar(const ScrollBarSettings& settings) {
  val bar = CreateElement("div", "bar");
  SetAttribute(bar, "role", "scrollbar");
  SetAttribute(bar, "aria-orientation", "horizontal");
  SetAttribute(bar, "aria-valuemin", std::to_string(settings.range.min));
  SetAttribute(bar, "aria-valuemax", std::to_string(settings.range.max));
  bar.set("tabIndex", 0);
  for (const char* part : {"arrow left", "track", "arrow right"}) {
    bar.call<void>("appendChild", CreateElement("div", part));
  }
  return bar;
}

}  // namespace

WebScrollBar::WebScrollBar(const val& client, const ScrollBarSettings& settings,
                           ScrollBarInput& input)
    : WebPeer(client, createBar(settings), settings.identity),
      input_(input),
      min_(settings.range.min),
      max_(settings.range.max),
      smallChange_(settings.range.smallChange),
      largeChange_(settings.range.largeChange),
      value_(settings.value),
      width_(TwipsToPixels(settings.identity.rect.width)),
      thumb_(CreateElement("div", "thumb")) {
  const int track = width_ - 2 * kArrowWidth;
  // The thumb is as long against the track as a page against the whole range.
  thumbLength_ = std::max(kShortestThumb, largeChange_ * track / (max_ - min_ + largeChange_));
  SetPixels(thumb_, "width", thumbLength_);
  element().call<void>("appendChild", thumb_);
  layout();
  listen();
}

WebScrollBar::~WebScrollBar() {
  if (timer_ != 0) emscripten_clear_timeout(timer_);
}

void WebScrollBar::listen() {
  Listen(element(), "pointerdown", [this](const val& event) { press(event); });
  Listen(element(), "pointermove", [this](const val& event) { drag(event); });
  Listen(element(), "pointerup", [this](const val&) { release(); });
  Listen(element(), "pointercancel", [this](const val&) { release(); });
  Listen(element(), "lostpointercapture", [this](const val&) { release(); });
  Listen(element(), "keydown", [this](const val& event) { key(event); });
}

void WebScrollBar::ShowValue(int value) {
  value_ = value;
  layout();
}

void WebScrollBar::layout() {
  SetPixels(thumb_, "left", thumbLeft());
  SetAttribute(element(), "aria-valuenow", std::to_string(value_));
}

int WebScrollBar::thumbLeft() const {
  const int span = width_ - 2 * kArrowWidth - thumbLength_;
  return kArrowWidth + static_cast<int>(std::lround(static_cast<double>(value_ - min_) * span /
                                                    static_cast<double>(max_ - min_)));
}

double WebScrollBar::along(const val& event) const {
  const val box = element().call<val>("getBoundingClientRect");
  const double scale = box["width"].as<double>() / width_;
  return (event["clientX"].as<double>() - box["left"].as<double>()) / scale;
}

WebScrollBar::Part WebScrollBar::partAt(double x) const {
  if (x < kArrowWidth) return Part::LeftArrow;
  if (x >= width_ - kArrowWidth) return Part::RightArrow;
  if (x < thumbLeft()) return Part::TrackBefore;
  if (x < thumbLeft() + thumbLength_) return Part::Thumb;
  return Part::TrackAfter;
}

void WebScrollBar::press(const val& event) {
  const int button = event["button"].as<int>();
  if (Runtime::HasEnded() || holding_ || (button != kMainButton && button != kMiddleButton)) {
    return;
  }
  event.call<void>("preventDefault");
  element().call<void>("focus");
  element().call<void>("setPointerCapture", event["pointerId"]);
  pointer_ = along(event);
  held_ = partAt(pointer_);
  holding_ = true;
  // The middle button puts the thumb's middle under the pointer, as a
  // desktop scroll bar does, and then drags it.
  if (button == kMiddleButton && held_ != Part::LeftArrow && held_ != Part::RightArrow) {
    grab_ = thumbLength_ / 2.0;
    moveTo(valueAt(pointer_));
    held_ = Part::Thumb;
    input_.ThumbPressed();
    return;
  }
  if (held_ == Part::Thumb) {
    grab_ = pointer_ - thumbLeft();
    input_.ThumbPressed();
    return;
  }
  stepHeld();
  if (holding_) timer_ = emscripten_set_timeout(&WebScrollBar::repeat, kFirstRepeatMs, this);
}

void WebScrollBar::repeat(void* bar) {
  auto* self = static_cast<WebScrollBar*>(bar);
  self->timer_ = 0;
  if (!self->holding_ || Runtime::HasEnded()) return;
  self->stepHeld();
  self->timer_ = emscripten_set_timeout(&WebScrollBar::repeat, kRepeatMs, self);
}

// One step of what is held: an arrow's, or a page towards the pointer for as
// long as the thumb has not reached it.
void WebScrollBar::stepHeld() {
  switch (held_) {
    case Part::LeftArrow:
      moveTo(value_ - smallChange_);
      break;
    case Part::RightArrow:
      moveTo(value_ + smallChange_);
      break;
    case Part::TrackBefore:
      if (pointer_ < thumbLeft()) moveTo(value_ - largeChange_);
      break;
    case Part::TrackAfter:
      if (pointer_ >= thumbLeft() + thumbLength_) moveTo(value_ + largeChange_);
      break;
    case Part::Thumb:
      break;
  }
}

void WebScrollBar::drag(const val& event) {
  if (!holding_) return;
  pointer_ = along(event);
  if (held_ != Part::Thumb || Runtime::HasEnded()) return;
  const int value = valueAt(pointer_);
  if (value == value_) return;
  ShowValue(value);
  input_.ThumbDragged(value);
}

// The value that puts the thumb's grabbed point at x.
int WebScrollBar::valueAt(double x) const {
  const double span = width_ - 2 * kArrowWidth - thumbLength_;
  const double offset = x - grab_ - kArrowWidth;
  return std::clamp(min_ + static_cast<int>(std::lround(offset * (max_ - min_) / span)), min_,
                    max_);
}

void WebScrollBar::release() {
  if (!holding_) return;
  holding_ = false;
  if (timer_ != 0) emscripten_clear_timeout(timer_);
  timer_ = 0;
  if (held_ == Part::Thumb) input_.ThumbReleased();
}

void WebScrollBar::key(const val& event) {
  if (Runtime::HasEnded()) return;
  for (const char* modifier : {"ctrlKey", "altKey", "metaKey", "shiftKey"}) {
    if (event[modifier].as<bool>()) return;
  }
  const std::string key = event["key"].as<std::string>();
  int target = value_;
  if (key == "ArrowLeft" || key == "ArrowUp") {
    target = value_ - smallChange_;
  } else if (key == "ArrowRight" || key == "ArrowDown") {
    target = value_ + smallChange_;
  } else if (key == "PageUp") {
    target = value_ - largeChange_;
  } else if (key == "PageDown") {
    target = value_ + largeChange_;
  } else if (key == "Home") {
    target = min_;
  } else if (key == "End") {
    target = max_;
  } else {
    return;
  }
  event.call<void>("preventDefault");
  moveTo(target);
}

void WebScrollBar::moveTo(int value) {
  const int clamped = std::clamp(value, min_, max_);
  if (clamped == value_) return;
  ShowValue(clamped);
  input_.Moved(clamped);
}

}  // namespace web

std::unique_ptr<ScrollBarPeer> backend::CreateScrollBar(FormPeer& form,
                                                        const ScrollBarSettings& settings,
                                                        ScrollBarInput& input) {
  auto& page = static_cast<web::WebForm&>(form);
  return std::make_unique<web::WebScrollBar>(page.client(), settings, input);
}

}  // namespace dct::platform
