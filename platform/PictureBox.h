#pragma once

#include <functional>
#include <memory>

#include "platform/Control.h"
#include "platform/Peers.h"
#include "platform/Picture.h"

namespace dct::platform {

// A picture drawn as large as its rectangle allows without distortion, its
// pixels as sharp squares, with an optional frame over some of them. An
// interactive one takes the focus and reports, in the picture's own pixels,
// where a mouse or a pen goes down and is dragged, where a finger taps (a
// finger swiped across it scrolls the page instead), and the arrow, page,
// Home and End keys; it can ask the user for a picture file, which it also
// takes dropped onto it, and reports the file chosen. A plain one only shows.
class PictureBox : public Control, private PictureBoxInput {
 public:
  using PointHandler = std::function<void(int x, int y)>;

  PictureBox(Runtime& runtime, FormPeer& form, const PictureBoxSettings& settings);
  ~PictureBox() override;

  void SetPicture(GreyPixels picture);
  const GreyPixels& Picture() const { return picture_; }
  // In the picture's pixels; an empty rectangle: no frame.
  void SetFrame(const Rect& frame);
  const Rect& Frame() const { return frame_; }
  // Opens the toolkit's file chooser; a file chosen raises FileChosen later.
  // A disabled box opens none.
  void ChooseImage();
  // Shows that work on a picture for the box is under way.
  void SetBusy(bool busy);

  void OnMouseDown(PointHandler handler) { onMouseDown_ = std::move(handler); }
  void OnMouseMove(PointHandler handler) { onMouseMove_ = std::move(handler); }
  void OnKeyDown(std::function<void(PictureKey)> handler) { onKeyDown_ = std::move(handler); }
  void OnFileChosen(std::function<void(const ChosenFile&)> handler) {
    onFileChosen_ = std::move(handler);
  }

  ControlPeer& Peer() const override { return *peer_; }

 private:
  void Pressed(int x, int y) override;
  void Dragged(int x, int y) override;
  void KeyPressed(PictureKey key) override;
  void FileChosen(const ChosenFile& file) override;

  GreyPixels picture_;
  Rect frame_;
  bool busy_ = false;
  PointHandler onMouseDown_;
  PointHandler onMouseMove_;
  std::function<void(PictureKey)> onKeyDown_;
  std::function<void(const ChosenFile&)> onFileChosen_;
  std::unique_ptr<PictureBoxPeer> peer_;
};

}  // namespace dct::platform
