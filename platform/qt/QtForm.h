#pragma once

#include <QWidget>
#include <memory>

#include "platform/Peers.h"

namespace dct::platform::qt {

// The window as a top-level widget with the standard resizable frame.
class QtForm : public FormPeer {
 public:
  explicit QtForm(const FormSettings& settings);
  ~QtForm() override;

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
