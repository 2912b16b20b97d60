#include <QPushButton>

#include "Backend.h"
#include "QtForm.h"
#include "QtPeer.h"

namespace dct::platform {
namespace qt {

// A push button that is neither the default (Enter) nor the cancel button.
class QtButton : public QtPeer<ControlPeer> {
 public:
  QtButton(QWidget* window, const CommandButtonSettings& settings, ButtonInput& input);
};

QtButton::QtButton(QWidget* window, const CommandButtonSettings& settings, ButtonInput& input)
    : QtPeer(new QPushButton(QString::fromStdString(settings.caption), window), settings.identity) {
  auto* button = static_cast<QPushButton*>(widget());
  button->setAutoDefault(false);
  button->setDefault(false);
  button->setFocusPolicy(Qt::StrongFocus);
  QObject::connect(button, &QPushButton::clicked, button, [&input] { input.Clicked(); });
}

}  // namespace qt

std::unique_ptr<ControlPeer> backend::CreateCommandButton(FormPeer& form,
                                                          const CommandButtonSettings& settings,
                                                          ButtonInput& input) {
  return std::make_unique<qt::QtButton>(static_cast<qt::QtForm&>(form).window(), settings, input);
}

}  // namespace dct::platform
