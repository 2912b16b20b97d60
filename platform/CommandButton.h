#pragma once

#include <string>

#include "Control.h"

class QPushButton;

namespace dct::platform {

struct CommandButtonSpec {
  ControlIdentity identity;
  std::string caption;
};

// A push button that is neither the default (Enter) nor the cancel button.
class CommandButton : public Control {
 public:
  CommandButton(QWidget* parent, const CommandButtonSpec& settings);
  ~CommandButton() override;

  void OnClick(Handler handler) { onClick_ = std::move(handler); }

 private:
  Handler onClick_;
};

}  // namespace dct::platform
