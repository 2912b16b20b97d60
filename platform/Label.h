#pragma once

#include <string>

#include "Control.h"

namespace dct::platform {

struct LabelSpec {
  ControlIdentity identity;
  std::string caption;
};

// Text aligned left, no border, no access key; never takes the focus.
class Label : public Control {
 public:
  Label(QWidget* parent, const LabelSpec& settings);
  ~Label() override;
};

}  // namespace dct::platform
