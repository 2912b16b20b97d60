#pragma once

#include "Peers.h"
#include "QtPeer.h"

class QScrollBar;

namespace dct::platform::qt {

// A scroll bar as Qt's, with the keys of a desktop scroll bar and a focus
// frame. What the user does is reported; what the program shows is not.
class QtScrollBar : public QtPeer<ScrollBarPeer> {
 public:
  QtScrollBar(QWidget* window, const ScrollBarSpec& settings, ScrollBarInput& input);

  void ShowValue(int value) override;

 private:
  class Bar;
  class KeyFilter;

  QScrollBar* bar_;
  // The program's own value is no move of the user's.
  bool showing_ = false;
};

}  // namespace dct::platform::qt
