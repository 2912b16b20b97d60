#include "platform/TextBox.h"

#include <utility>

namespace dct::platform {

TextBox::TextBox(Runtime& runtime, FormPeer& form, const TextBoxSettings& settings)
    : Control(runtime, settings.identity, settings.enabled),
      text_(settings.text),
      peer_(form.CreateTextBox(settings, *this)) {}

TextBox::~TextBox() = default;

void TextBox::SetText(std::string_view text) {
  if (text_ == text) return;
  text_ = text;
  unshown_ |= kUnshownText;
  ShowAssigned();
  Raise("Change", onChange_);
}

// The cursor belongs to the text the box shows: the one assigned last.
int TextBox::SelStart() {
  showUnshownText();
  return peer_->SelStart();
}

void TextBox::SetSelStart(int position) {
  showUnshownText();
  peer_->SetSelStart(position);
}

void TextBox::showUnshownText() {
  if ((unshown_ & kUnshownText) == 0) return;
  unshown_ &= ~kUnshownText;
  peer_->ShowText(text_);
}

void TextBox::ShowUnshown() {
  const unsigned unshown = std::exchange(unshown_, 0U);
  if ((unshown & kUnshownText) != 0) peer_->ShowText(text_);
  if ((unshown & kUnshownBackColor) != 0) peer_->ShowBackColor(backColor_);
  if ((unshown & kUnshownToolTip) != 0) peer_->ShowToolTip(toolTip_);
  if ((unshown & kUnshownMousePointer) != 0) peer_->ShowMousePointer(mousePointer_);
}

void TextBox::SetBackColor(Rgb colour) {
  if (colour == backColor_) return;
  backColor_ = colour;
  unshown_ |= kUnshownBackColor;
  ShowAssigned();
}

void TextBox::SetToolTipText(std::string_view text) {
  if (toolTip_ == text) return;
  toolTip_ = text;
  unshown_ |= kUnshownToolTip;
  ShowAssigned();
}

void TextBox::SetMousePointer(int pointer) {
  if (pointer == mousePointer_) return;
  mousePointer_ = pointer;
  unshown_ |= kUnshownMousePointer;
  ShowAssigned();
}

// A box that a toolkit let the user edit while disabled shows its text again.
void TextBox::Edited() {
  if (!Enabled()) {
    peer_->ShowText(text_);
    return;
  }
  text_ = peer_->Text();
  unshown_ &= ~kUnshownText;
  Raise("Change", onChange_);
}

void TextBox::Clicked() {
  if (Enabled()) Raise("Click", onClick_);
}

bool TextBox::ReturnPressed() {
  if (!onKeyPress_ || !Enabled()) return false;
  Raise("KeyPress", [this] { onKeyPress_(kKeyAsciiReturn); });
  return true;
}

}  // namespace dct::platform
