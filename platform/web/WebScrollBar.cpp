#include <emscripten/eventloop.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "platform/web/WebForm.h"
#include "platform/web/WebPeer.h"

namespace dct::platform {
namespace web {

// A horizontal scroll bar built from elements, as a desktop draws one: an
// arrow at each end (a step, repeating while held), the track (a page towards
// the pointer, repeating while held) and a thumb to drag; the keys of the
// desktop edition when it has the focus. Pointer events, so that a finger
// works as a mouse does. To a screen reader it is a slider: it sets a value
// and scrolls nothing. The page's style sizes its parts, larger for fingers;
// the pointer is matched against them as they are drawn.
class WebScrollBar : public WebPeer<ScrollBarPeer> {
 public:
  WebScrollBar(WebForm& form, const ScrollBarSettings& settings, ScrollBarInput& input);
  ~WebScrollBar() override;

  void ShowValue(int value) override;
  void ShowEnabled(bool enabled) override;

 private:
  enum class Part { LeftArrow, TrackBefore, Thumb, TrackAfter, RightArrow };

  // Where the parts are drawn, in the page's pixels.
  struct Drawn {
    double trackLeft;
    double trackRight;
    double thumbLeft;
    double thumbWidth;
  };

  void listen(Events& events);
  void press(const val& event);
  void drag(const val& event);
  void release();
  void key(const val& event);
  void stepHeld();
  static void repeat(void* bar);
  void moveTo(int value);
  Drawn drawn() const;
  Part partAt(double x) const;
  int valueAt(double x) const;

  const WebForm& form_;
  ScrollBarInput& input_;
  int min_;
  int max_;
  int smallChange_;
  int largeChange_;
  int value_;
  std::function<std::string(int)> valueText_;
  val style_;
  val leftArrow_;
  val rightArrow_;
  val thumb_;
  Part held_ = Part::Thumb;
  bool holding_ = false;
  bool enabled_ = true;
  // Where the thumb was grabbed, from its left edge; and the pointer, both
  // in the page's pixels.
  double grab_ = 0;
  double pointer_ = 0;
  long timer_ = 0;
};

namespace {

// As a desktop repeats a held arrow: after half a second, twenty times a second.
constexpr double kFirstRepeatMs = 500;
constexpr double kRepeatMs = 50;
// The pointer buttons as the browser numbers them.
constexpr int kMainButton = 0;
constexpr int kMiddleButton = 1;

struct KeyStep {
  const char* key;
  int small;  // steps of the small change
  int large;  // steps of the large change
};

// Left and Up decrease, Right and Down increase, as on the desktop; Home and
// End are handled apart.
constexpr KeyStep kKeySteps[] = {{"ArrowLeft", -1, 0}, {"ArrowUp", -1, 0}, {"ArrowRight", 1, 0},
                                 {"ArrowDown", 1, 0},  {"PageUp", 0, -1},  {"PageDown", 0, 1}};

val createBar(const ScrollBarSettings& settings) {
  val bar = CreateElement("div", "bar");
  SetAttribute(bar, "role", "slider");
  SetAttribute(bar, "aria-orientation", "horizontal");
  SetAttribute(bar, "aria-valuemin", std::to_string(settings.range.min));
  SetAttribute(bar, "aria-valuemax", std::to_string(settings.range.max));
  bar.set(Key("tabIndex"), 0);
  return bar;
}

val addPart(const val& bar, const char* className) {
  val part = CreateElement("div", className);
  bar.call<void>("appendChild", part);
  return part;
}

double edge(const val& element, const char* side) {
  return element.call<val>("getBoundingClientRect")[Key(side)].as<double>();
}

}  // namespace

WebScrollBar::WebScrollBar(WebForm& form, const ScrollBarSettings& settings, ScrollBarInput& input)
    : WebPeer(form.client(), createBar(settings), settings.identity, true),
      form_(form),
      input_(input),
      min_(settings.range.min),
      max_(settings.range.max),
      smallChange_(settings.range.smallChange),
      largeChange_(settings.range.largeChange),
      value_(settings.value),
      valueText_(settings.valueText),
      style_(element()[Key("style")]),
      leftArrow_(addPart(element(), "arrow left")),
      rightArrow_(addPart(element(), "arrow right")),
      thumb_(addPart(element(), "thumb")) {
  // The thumb is as long against the track as a page against the whole range.
  style_.call<void>("setProperty", Key("--page"),
                    static_cast<double>(largeChange_) / (max_ - min_ + largeChange_));
  ShowValue(value_);
  listen(form.events());
}

WebScrollBar::~WebScrollBar() {
  if (timer_ != 0) emscripten_clear_timeout(timer_);
}

void WebScrollBar::listen(Events& events) {
  events.Listen(element(), "pointerdown", [this](const val& event) { press(event); });
  events.Listen(element(), "pointermove", [this](const val& event) { drag(event); });
  events.Listen(element(), "pointerup", [this](const val&) { release(); });
  events.Listen(element(), "pointercancel", [this](const val&) { release(); });
  events.Listen(element(), "lostpointercapture", [this](const val&) { release(); });
  events.Listen(element(), "keydown", [this](const val& event) { key(event); });
}

// The style puts the thumb at the value's fraction of its travel.
void WebScrollBar::ShowValue(int value) {
  value_ = value;
  style_.call<void>("setProperty", Key("--at"), static_cast<double>(value_ - min_) / (max_ - min_));
  SetAttribute(element(), "aria-valuenow", std::to_string(value_));
  if (valueText_) SetAttribute(element(), "aria-valuetext", valueText_(value_));
}

// Disabled while held, the bar lets go at once: the rest of that press moves
// nothing and raises nothing.
void WebScrollBar::ShowEnabled(bool enabled) {
  WebPeer::ShowEnabled(enabled);
  enabled_ = enabled;
  if (enabled) return;
  holding_ = false;
  if (timer_ != 0) emscripten_clear_timeout(timer_);
  timer_ = 0;
}

WebScrollBar::Drawn WebScrollBar::drawn() const {
  const double thumbLeft = edge(thumb_, "left");
  return {edge(leftArrow_, "right"), edge(rightArrow_, "left"), thumbLeft,
          edge(thumb_, "right") - thumbLeft};
}

WebScrollBar::Part WebScrollBar::partAt(double x) const {
  const Drawn parts = drawn();
  if (x < parts.trackLeft) return Part::LeftArrow;
  if (x >= parts.trackRight) return Part::RightArrow;
  if (x < parts.thumbLeft) return Part::TrackBefore;
  if (x < parts.thumbLeft + parts.thumbWidth) return Part::Thumb;
  return Part::TrackAfter;
}

void WebScrollBar::press(const val& event) {
  const int button = event["button"].as<int>();
  if (form_.IsClosed() || !enabled_ || holding_ ||
      (button != kMainButton && button != kMiddleButton)) {
    return;
  }
  event.call<void>("preventDefault");
  element().call<void>("focus");
  element().call<void>("setPointerCapture", event["pointerId"]);
  pointer_ = event[Key("clientX")].as<double>();
  held_ = partAt(pointer_);
  holding_ = true;
  // The middle button puts the thumb's middle under the pointer, as a
  // desktop scroll bar does, and then drags it.
  if (button == kMiddleButton && held_ != Part::LeftArrow && held_ != Part::RightArrow) {
    grab_ = drawn().thumbWidth / 2;
    moveTo(valueAt(pointer_));
    held_ = Part::Thumb;
    input_.ThumbPressed();
    return;
  }
  if (held_ == Part::Thumb) {
    grab_ = pointer_ - drawn().thumbLeft;
    input_.ThumbPressed();
    return;
  }
  stepHeld();
  if (holding_) timer_ = emscripten_set_timeout(&WebScrollBar::repeat, kFirstRepeatMs, this);
}

void WebScrollBar::repeat(void* bar) {
  auto* self = static_cast<WebScrollBar*>(bar);
  self->timer_ = 0;
  if (!self->holding_ || self->form_.IsClosed()) return;
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
      if (pointer_ < drawn().thumbLeft) moveTo(value_ - largeChange_);
      break;
    case Part::TrackAfter: {
      const Drawn parts = drawn();
      if (pointer_ >= parts.thumbLeft + parts.thumbWidth) moveTo(value_ + largeChange_);
      break;
    }
    case Part::Thumb:
      break;
  }
}

void WebScrollBar::drag(const val& event) {
  if (!holding_) return;
  pointer_ = event[Key("clientX")].as<double>();
  if (held_ != Part::Thumb || form_.IsClosed()) return;
  const int value = valueAt(pointer_);
  if (value == value_) return;
  ShowValue(value);
  input_.ThumbDragged(value);
}

// The value that puts the thumb's grabbed point at x.
int WebScrollBar::valueAt(double x) const {
  const Drawn parts = drawn();
  const double travel = parts.trackRight - parts.trackLeft - parts.thumbWidth;
  const double offset = x - grab_ - parts.trackLeft;
  return std::clamp(min_ + static_cast<int>(std::lround(offset * (max_ - min_) / travel)), min_,
                    max_);
}

void WebScrollBar::release() {
  if (!holding_) return;
  holding_ = false;
  if (timer_ != 0) emscripten_clear_timeout(timer_);
  timer_ = 0;
  if (held_ == Part::Thumb) input_.ThumbReleased();
}

// Every key the bar takes moves it and nothing else: the page does not
// scroll, even where the bar is at its end. Space does nothing more.
void WebScrollBar::key(const val& event) {
  if (form_.IsClosed() || !enabled_) return;
  for (const char* modifier : {"ctrlKey", "altKey", "metaKey", "shiftKey"}) {
    if (event[Key(modifier)].as<bool>()) return;
  }
  const std::string key = event[Key("key")].as<std::string>();
  int target = value_;
  if (key == "Home") {
    target = min_;
  } else if (key == "End") {
    target = max_;
  } else if (key != " ") {
    const auto* step = std::find_if(std::begin(kKeySteps), std::end(kKeySteps),
                                    [&key](const KeyStep& entry) { return key == entry.key; });
    if (step == std::end(kKeySteps)) return;
    target = value_ + step->small * smallChange_ + step->large * largeChange_;
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

std::unique_ptr<ScrollBarPeer> web::WebForm::CreateScrollBar(const ScrollBarSettings& settings,
                                                             ScrollBarInput& input) {
  return std::make_unique<WebScrollBar>(*this, settings, input);
}

}  // namespace dct::platform
