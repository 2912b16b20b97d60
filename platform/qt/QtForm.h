#pragma once

#include <QAccessible>
#include <QWidget>
#include <memory>

#include "platform/Peers.h"

namespace dct::platform::qt {

// What lets a screen reader hear a bar's value in the program's own words;
// installed for as long as the backend is open.
QAccessible::InterfaceFactory SayingBarFactory();

// The window as a top-level widget with the standard resizable frame.
class QtForm : public FormPeer {
 public:
  explicit QtForm(const FormSettings& settings);
  ~QtForm() override;

  // Each defined beside its control's class.
  std::unique_ptr<TextBoxPeer> CreateTextBox(const TextBoxSettings& settings,
                                             TextBoxInput& input) override;
  std::unique_ptr<ScrollBarPeer> CreateScrollBar(const ScrollBarSettings& settings,
                                                 ScrollBarInput& input) override;
  std::unique_ptr<CommandButtonPeer> CreateCommandButton(const CommandButtonSettings& settings,
                                                         ButtonInput& input) override;
  std::unique_ptr<LabelPeer> CreateLabel(const LabelSettings& settings) override;
  std::unique_ptr<PictureBoxPeer> CreatePictureBox(const PictureBoxSettings& settings,
                                                   PictureBoxInput& input) override;
  void SetTabOrder(const std::vector<ControlPeer*>& controls) override;
  void TieLabel(ControlPeer& label, ControlPeer& control) override;
  void Show() override;

  // Where the controls are: the top-level window, or for a window beside the
  // main one, the widget that its scroll area holds.
  QWidget* window() const { return client_; }

 private:
  QWidget* client_;
  std::unique_ptr<QWidget> top_;
  bool secondary_ = false;
};

}  // namespace dct::platform::qt
