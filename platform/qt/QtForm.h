#pragma once

#include <QWidget>
#include <memory>

#include "Peers.h"

namespace dct::platform::qt {

// The window as a top-level widget with the standard resizable frame.
class QtForm : public FormPeer {
 public:
  explicit QtForm(const FormSpec& settings);
  ~QtForm() override;

  std::unique_ptr<TextBoxPeer> AddTextBox(const TextBoxSpec& settings,
                                          TextBoxInput& input) override;
  std::unique_ptr<ScrollBarPeer> AddScrollBar(const ScrollBarSpec& settings,
                                              ScrollBarInput& input) override;
  std::unique_ptr<ControlPeer> AddCommandButton(const CommandButtonSpec& settings,
                                                ButtonInput& input) override;
  std::unique_ptr<ControlPeer> AddLabel(const LabelSpec& settings) override;
  void SetTabOrder(const std::vector<ControlPeer*>& controls) override;
  void Show() override;

  QWidget* window() const { return window_.get(); }

 private:
  std::unique_ptr<QWidget> window_;
};

}  // namespace dct::platform::qt
