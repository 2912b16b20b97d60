#include "platform/PictureBox.h"

namespace dct::platform {

PictureBox::PictureBox(Runtime& runtime, FormPeer& form, const PictureBoxSettings& settings)
    : Control(runtime, settings.identity), peer_(form.CreatePictureBox(settings, *this)) {}

PictureBox::~PictureBox() = default;

void PictureBox::SetPicture(GreyPixels picture) {
  if (picture.width == picture_.width && picture.height == picture_.height &&
      picture.levels == picture_.levels) {
    return;
  }
  picture_ = std::move(picture);
  peer_->ShowPicture(picture_);
}

void PictureBox::SetFrame(const Rect& frame) {
  if (frame == frame_) return;
  frame_ = frame;
  peer_->ShowFrame(frame_);
}

void PictureBox::ChooseImage() {
  if (Enabled()) peer_->ChooseImage();
}

void PictureBox::SetBusy(bool busy) {
  if (busy == busy_) return;
  busy_ = busy;
  peer_->ShowBusy(busy_);
}

void PictureBox::Pressed(int x, int y) {
  if (onMouseDown_ && Enabled()) Raise("MouseDown", [this, x, y] { onMouseDown_(x, y); });
}

void PictureBox::Dragged(int x, int y) {
  if (onMouseMove_ && Enabled()) Raise("MouseMove", [this, x, y] { onMouseMove_(x, y); });
}

void PictureBox::KeyPressed(PictureKey key) {
  if (onKeyDown_ && Enabled()) Raise("KeyDown", [this, key] { onKeyDown_(key); });
}

// A file chosen before the box was disabled, and reported since, is dropped
// too.
void PictureBox::FileChosen(const ChosenFile& file) {
  if (onFileChosen_ && Enabled()) Raise("FileChosen", [this, &file] { onFileChosen_(file); });
}

}  // namespace dct::platform
