#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "common/Colour.h"
#include "platform/Control.h"
#include "platform/Peers.h"

namespace dct::platform {

class FormPeer;

// The character code that KeyPress gives for Return.
inline constexpr int kKeyAsciiReturn = 13;

// A single-line text box without a length limit. Assigning a different text
// raises Change before the assignment returns; an equal text raises nothing
// and leaves the box (its cursor and selection) alone.
class TextBox : public Control, private TextBoxInput {
 public:
  TextBox(Runtime& runtime, FormPeer& form, const TextBoxSettings& settings);
  ~TextBox() override;

  const std::string& Text() const { return text_; }
  void SetText(std::string_view text);

  // The cursor's place, in characters from the start of the text.
  int SelStart();
  void SetSelStart(int position);

  Rgb BackColor() const { return backColor_; }
  void SetBackColor(Rgb colour);

  const std::string& ToolTipText() const { return toolTip_; }
  void SetToolTipText(std::string_view text);

  // 0: the toolkit's default pointer (an I-beam), 1: the arrow.
  int MousePointer() const { return mousePointer_; }
  void SetMousePointer(int pointer);

  void OnChange(Handler handler) { onChange_ = std::move(handler); }
  void OnClick(Handler handler) { onClick_ = std::move(handler); }
  // Raised when the user presses Return (or Enter) in the box, with
  // kKeyAsciiReturn; no other key is reported.
  void OnKeyPress(std::function<void(int keyAscii)> handler) { onKeyPress_ = std::move(handler); }

  ControlPeer& Peer() const override { return *peer_; }

 private:
  void Edited() override;
  void Clicked() override;
  bool ReturnPressed() override;
  void ShowUnshown() override;
  void showUnshownText();

  // Which of the properties below were assigned since they were last shown.
  static constexpr unsigned kUnshownText = 1U << 0U;
  static constexpr unsigned kUnshownBackColor = 1U << 1U;
  static constexpr unsigned kUnshownToolTip = 1U << 2U;
  static constexpr unsigned kUnshownMousePointer = 1U << 3U;
  unsigned unshown_ = 0;

  // What the box shows, kept here as the user's edits report it, so that an
  // assignment need not ask the toolkit each time.
  std::string text_;
  Rgb backColor_ = kWhite;
  std::string toolTip_;
  int mousePointer_ = 0;
  Handler onChange_;
  Handler onClick_;
  std::function<void(int keyAscii)> onKeyPress_;
  std::unique_ptr<TextBoxPeer> peer_;
};

}  // namespace dct::platform
