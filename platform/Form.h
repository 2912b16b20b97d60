#pragma once

#include <memory>
#include <string>
#include <vector>

#include "CommandButton.h"
#include "IndexedImage.h"
#include "Label.h"
#include "ScrollBar.h"
#include "TextBox.h"

namespace dct::platform {

struct FormSpec {
  std::string title;
  int clientWidth = 0;  // twips
  int clientHeight = 0;
  IndexedImage icon;
};

// A top-level window with the standard resizable frame, holding controls at
// fixed places; resizing moves none of them.
class Form {
 public:
  explicit Form(const FormSpec& settings);
  ~Form();
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  TextBox& AddTextBox(const TextBoxSpec& settings);
  ScrollBar& AddScrollBar(const ScrollBarSpec& settings);
  CommandButton& AddCommandButton(const CommandButtonSpec& settings);
  Label& AddLabel(const LabelSpec& settings);

  // Chains the focusable controls in ascending TabIndex, once all exist.
  void ApplyTabOrder();
  void Show();

  QWidget* widget() const { return window_.get(); }

 private:
  template <typename T, typename Settings>
  T& add(const Settings& settings);

  // Declared before the window so that the widgets go first: no control is
  // destroyed while its widget could still raise an event.
  std::vector<std::unique_ptr<Control>> controls_;
  std::unique_ptr<QWidget> window_;
};

}  // namespace dct::platform
