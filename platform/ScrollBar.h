#pragma once

#include <cstdint>

#include "Control.h"

class QScrollBar;

namespace dct::platform {

struct ScrollBarSpec {
  ControlIdentity identity;
  int min = 0;
  int max = 0;
  int smallChange = 1;
  int largeChange = 1;
  int value = 0;
};

// A horizontal scroll bar. Change is raised when the value changes by an
// assignment, an arrow or track click, a key, or at the end of a thumb drag;
// Scroll for each new position while the thumb is dragged. Assigning the
// value it already holds raises nothing: that ends every chain of events.
class ScrollBar : public Control {
 public:
  ScrollBar(QWidget* parent, const ScrollBarSpec& settings);
  ~ScrollBar() override;

  std::int16_t Value() const;
  // A value outside Min..Max is a failure of the program, not clamped.
  void SetValue(int value);

  void OnChange(Handler handler) { onChange_ = std::move(handler); }
  void OnScroll(Handler handler) { onScroll_ = std::move(handler); }

 private:
  class KeyFilter;

  void valueChanged();
  void sliderReleased();

  QScrollBar* bar_;
  int assigning_ = 0;
  bool draggedSincePress_ = false;
  Handler onChange_;
  Handler onScroll_;
};

}  // namespace dct::platform
