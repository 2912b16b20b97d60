#pragma once

#include "Peers.h"
#include "WebPeer.h"

namespace dct::platform::web {

// A horizontal scroll bar built from elements, as a desktop draws one: an
// arrow at each end (a step, repeating while held), the track (a page towards
// the pointer, repeating while held) and a thumb to drag; the keys of the
// desktop edition when it has the focus. Pointer events, so that a finger
// works as a mouse does.
class WebScrollBar : public WebPeer<ScrollBarPeer> {
 public:
  WebScrollBar(const val& client, const ScrollBarSpec& settings, ScrollBarInput& input);
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
  int thumbLeft() const;

  ScrollBarInput& input_;
  int min_;
  int max_;
  int smallChange_;
  int largeChange_;
  int value_;
  int width_;
  int arrow_;
  int thumbLength_;
  val thumb_;
  Part held_ = Part::Thumb;
  bool holding_ = false;
  double grab_ = 0;
  double pointer_ = 0;
  long timer_ = 0;
};

}  // namespace dct::platform::web
