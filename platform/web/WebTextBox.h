#pragma once

#include "Peers.h"
#include "WebHint.h"
#include "WebPeer.h"

namespace dct::platform::web {

// A text box as an <input>. What the user types is reported; what the program
// shows is not (setting an input's value fires no event).
class WebTextBox : public WebPeer<TextBoxPeer>, private HintOwner {
 public:
  WebTextBox(const val& client, const TextBoxSpec& settings, TextBoxInput& input, WebHint& hint);

  std::string Text() const override;
  void ShowText(std::string_view text) override;
  int SelStart() const override;
  void SetSelStart(int position) override;
  void ShowBackColor(Rgb colour) override;
  void ShowToolTip(std::string_view text) override;
  void ShowMousePointer(int pointer) override;

 private:
  std::string HintText() const override { return toolTip_; }
  const val& HintAnchor() const override { return element(); }
  void listen(TextBoxInput& input);

  WebHint& hint_;
  int index_;
  std::string toolTip_;
};

}  // namespace dct::platform::web
