#pragma once

#include <memory>
#include <vector>

#include "platform/CommandButton.h"
#include "platform/ControlSettings.h"
#include "platform/Label.h"
#include "platform/PictureBox.h"
#include "platform/ScrollBar.h"
#include "platform/TextBox.h"

namespace dct::platform {

class FormPeer;
class Runtime;

// A top-level window with the standard resizable frame, holding controls at
// fixed places; resizing moves none of them. Its controls raise their events
// through the runtime it was made with.
class Form {
 public:
  Form(Runtime& runtime, const FormSettings& settings);
  ~Form();
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  TextBox& AddTextBox(const TextBoxSettings& settings);
  ScrollBar& AddScrollBar(const ScrollBarSettings& settings);
  CommandButton& AddCommandButton(const CommandButtonSettings& settings);
  Label& AddLabel(const LabelSettings& settings);
  PictureBox& AddPictureBox(const PictureBoxSettings& settings);

  // Chains the focusable controls in ascending TabIndex, once all exist.
  void ApplyTabOrder();
  // The label's caption names the control to screen readers, as the label
  // beside a box or a bar does to the eye. The page's reader says it instead
  // of the control's own accessible name; the desktop's says the caption
  // only where the control has none.
  void TieLabel(const Label& label, const Control& control);
  void Show();

  // The toolkit's side of the window, for the backend's own tests and tools.
  FormPeer& Peer() const { return *peer_; }

 private:
  template <typename T, typename Settings>
  T& add(const Settings& settings);

  Runtime& runtime_;
  // Declared before the window so that the window goes first: no control is
  // destroyed while what shows it could still report the user's input.
  std::vector<std::unique_ptr<Control>> controls_;
  std::unique_ptr<FormPeer> peer_;
};

}  // namespace dct::platform
