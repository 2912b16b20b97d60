#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "common/Colour.h"
#include "platform/ControlSettings.h"
#include "platform/Picture.h"

// The meeting point of the shared runtime and a toolkit. A backend draws the
// controls and reports what the user does to them; the shared classes decide
// which events that raises, so that both editions raise the same handlers in
// the same order. Nothing here is for the program's own code.
namespace dct::platform {

// A control as a toolkit shows it.
class ControlPeer {
 public:
  virtual ~ControlPeer() = default;
  virtual void SetAccessibleName(std::string_view text) = 0;
  virtual void SetAccessibleDescription(std::string_view text) = 0;
  // Disabled: drawn so and out of the focus chain.
  virtual void ShowEnabled(bool enabled) = 0;
};

// The Show... operations change only what is shown: they report nothing back.
class TextBoxPeer : public ControlPeer {
 public:
  virtual std::string Text() const = 0;
  virtual void ShowText(std::string_view text) = 0;
  virtual int SelStart() const = 0;
  virtual void SetSelStart(int position) = 0;
  virtual void ShowBackColor(Rgb colour) = 0;
  virtual void ShowToolTip(std::string_view text) = 0;
  // 0: the toolkit's text pointer, 1: the arrow.
  virtual void ShowMousePointer(int pointer) = 0;
};

class LabelPeer : public ControlPeer {
 public:
  virtual void ShowCaption(std::string_view text) = 0;
};

class CommandButtonPeer : public ControlPeer {
 public:
  virtual void ShowCaption(std::string_view text) = 0;
};

class PictureBoxPeer : public ControlPeer {
 public:
  virtual void ShowPicture(const GreyPixels& picture) = 0;
  virtual void ShowFrame(const Rect& frame) = 0;
  virtual void ChooseImage() = 0;
  // Work on a picture for the box is under way: a busy pointer over it.
  virtual void ShowBusy(bool busy) = 0;
};

class ScrollBarPeer : public ControlPeer {
 public:
  virtual void ShowValue(int value) = 0;
};

// What the user did to a text box: its text changed by typing, pasting or
// deleting; a click (the left button released inside the box); Return (or
// Enter) pressed in it.
class TextBoxInput {
 public:
  virtual void Edited() = 0;
  virtual void Clicked() = 0;
  // Whether the program took the key: then it does nothing else.
  virtual bool ReturnPressed() = 0;

 protected:
  ~TextBoxInput() = default;
};

// What the user did to a scroll bar. The backend shows each new value itself
// before it reports it.
class ScrollBarInput {
 public:
  // An arrow, a click in the track or a key moved the bar.
  virtual void Moved(int value) = 0;
  virtual void ThumbPressed() = 0;
  virtual void ThumbDragged(int value) = 0;
  virtual void ThumbReleased() = 0;

 protected:
  ~ScrollBarInput() = default;
};

// What the user did to an interactive picture box, in the picture's pixels,
// each within the picture.
class PictureBoxInput {
 public:
  virtual void Pressed(int x, int y) = 0;
  // The pointer moved while pressed, to another pixel.
  virtual void Dragged(int x, int y) = 0;
  virtual void KeyPressed(PictureKey key) = 0;
  // Chosen in the file chooser or dropped.
  virtual void FileChosen(const ChosenFile& file) = 0;

 protected:
  ~PictureBoxInput() = default;
};

class ButtonInput {
 public:
  virtual void Clicked() = 0;

 protected:
  ~ButtonInput() = default;
};

// A top-level window holding controls at fixed places, each made by one of
// its Create... functions.
class FormPeer {
 public:
  virtual ~FormPeer() = default;
  virtual std::unique_ptr<TextBoxPeer> CreateTextBox(const TextBoxSettings& settings,
                                                     TextBoxInput& input) = 0;
  virtual std::unique_ptr<ScrollBarPeer> CreateScrollBar(const ScrollBarSettings& settings,
                                                         ScrollBarInput& input) = 0;
  virtual std::unique_ptr<CommandButtonPeer> CreateCommandButton(
      const CommandButtonSettings& settings, ButtonInput& input) = 0;
  virtual std::unique_ptr<LabelPeer> CreateLabel(const LabelSettings& settings) = 0;
  virtual std::unique_ptr<PictureBoxPeer> CreatePictureBox(const PictureBoxSettings& settings,
                                                           PictureBoxInput& input) = 0;
  // Every control, in ascending TabIndex; the backend chains those that take
  // the focus from the keyboard.
  virtual void SetTabOrder(const std::vector<ControlPeer*>& controls) = 0;
  // The label's caption names the control to screen readers.
  virtual void TieLabel(ControlPeer& label, ControlPeer& control) = 0;
  virtual void Show() = 0;
};

}  // namespace dct::platform
