#include "QtButton.h"

#include <QPushButton>

namespace dct::platform::qt {

QtButton::QtButton(QWidget* window, const CommandButtonSpec& settings, ButtonInput& input)
    : QtPeer(new QPushButton(QString::fromStdString(settings.caption), window), settings.identity) {
  auto* button = static_cast<QPushButton*>(widget());
  button->setAutoDefault(false);
  button->setDefault(false);
  button->setFocusPolicy(Qt::StrongFocus);
  QObject::connect(button, &QPushButton::clicked, button, [&input] { input.Clicked(); });
}

}  // namespace dct::platform::qt
