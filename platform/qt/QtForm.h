#pragma once

#include <QWidget>
#include <memory>

#include "Peers.h"

namespace dct::platform::qt {

// The window as a top-level widget with the standard resizable frame.
class QtForm : public FormPeer {
 public:
  explicit QtForm(const FormSettings& settings);
  ~QtForm() override;

  void SetTabOrder(const std::vector<ControlPeer*>& controls) override;
  void TieLabel(ControlPeer& label, ControlPeer& control) override;
  void Show() override;

  QWidget* window() const { return window_.get(); }

 private:
  std::unique_ptr<QWidget> window_;
  bool secondary_ = false;
};

}  // namespace dct::platform::qt
