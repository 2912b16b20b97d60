#include "TextBox.h"

#include "Backend.h"

namespace dct::platform {

TextBox::TextBox(FormPeer& form, const TextBoxSettings& settings)
    : Control(settings.identity, settings.enabled),
      text_(settings.text),
      peer_(backend::CreateTextBox(form, settings, *this)) {}

TextBox::~TextBox() = default;

void TextBox::SetText(std::string_view text) {
  if (text_ == text) return;
  text_ = text;
  peer_->ShowText(text);
  Raise("Change", onChange_);
}

int TextBox::SelStart() const { return peer_->SelStart(); }

void TextBox::SetSelStart(int position) { peer_->SetSelStart(position); }

void TextBox::SetBackColor(Rgb colour) {
  if (colour == backColor_) return;
  backColor_ = colour;
  peer_->ShowBackColor(colour);
}

void TextBox::SetToolTipText(std::string_view text) {
  if (toolTip_ == text) return;
  toolTip_ = text;
  peer_->ShowToolTip(text);
}

void TextBox::SetMousePointer(int pointer) {
  if (pointer == mousePointer_) return;
  mousePointer_ = pointer;
  peer_->ShowMousePointer(pointer);
}

// A box that a toolkit let the user edit while disabled shows its text again.
void TextBox::Edited() {
  if (!Enabled()) {
    peer_->ShowText(text_);
    return;
  }
  text_ = peer_->Text();
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
