#pragma once

#include "Peers.h"
#include "QtPeer.h"

namespace dct::platform::qt {

class BoxEdit;

// A text box as a line edit. What the user types is reported; what the
// program shows is not, since the shared runtime raises that Change itself.
class QtTextBox : public QtPeer<TextBoxPeer> {
 public:
  QtTextBox(QWidget* window, const TextBoxSpec& settings, TextBoxInput& input);

  std::string Text() const override;
  void ShowText(std::string_view text) override;
  int SelStart() const override;
  void SetSelStart(int position) override;
  void ShowBackColor(Rgb colour) override;
  void ShowToolTip(std::string_view text) override;
  void ShowMousePointer(int pointer) override;

 private:
  class ClickFilter;

  BoxEdit* edit_;
  // The program's own text is no edit of the user's. (Not a signal blocker:
  // the toolkit's signals still tell tests what the box did.)
  bool showing_ = false;
};

}  // namespace dct::platform::qt
