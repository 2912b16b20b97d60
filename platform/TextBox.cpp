#include "TextBox.h"

namespace dct::platform {

TextBox::TextBox(FormPeer& form, const TextBoxSpec& settings)
    : Control(settings.identity), peer_(form.AddTextBox(settings, *this)) {}

TextBox::~TextBox() = default;

std::string TextBox::Text() const { return peer_->Text(); }

void TextBox::SetText(std::string_view text) {
  if (peer_->Text() == text) return;
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

void TextBox::Edited() { Raise("Change", onChange_); }

void TextBox::Clicked() { Raise("Click", onClick_); }

}  // namespace dct::platform
