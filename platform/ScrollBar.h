#pragma once

#include <cstdint>
#include <memory>

#include "platform/Control.h"
#include "platform/Peers.h"

namespace dct::platform {

// A horizontal scroll bar. Change is raised when the value changes by an
// assignment, an arrow or track click, a key, or at the end of a thumb drag;
// Scroll for each new position while the thumb is dragged. Assigning the
// value it already holds raises nothing: that ends every chain of events.
class ScrollBar : public Control, private ScrollBarInput {
 public:
  ScrollBar(Runtime& runtime, FormPeer& form, const ScrollBarSettings& settings);
  ~ScrollBar() override;

  std::int16_t Value() const { return static_cast<std::int16_t>(value_); }
  // A value outside Min..Max is a failure of the program, not clamped.
  void SetValue(int value);

  void OnChange(Handler handler) { onChange_ = std::move(handler); }
  void OnScroll(Handler handler) { onScroll_ = std::move(handler); }

  ControlPeer& Peer() const override { return *peer_; }

 private:
  void Moved(int value) override;
  void ThumbPressed() override;
  void ThumbDragged(int value) override;
  void ThumbReleased() override;

  int min_;
  int max_;
  int value_;
  bool draggedSincePress_ = false;
  Handler onChange_;
  Handler onScroll_;
  std::unique_ptr<ScrollBarPeer> peer_;
};

}  // namespace dct::platform
