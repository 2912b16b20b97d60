#include "CommandButton.h"

#include <QPushButton>

namespace dct::platform {

CommandButton::CommandButton(QWidget* parent, const CommandButtonSpec& settings)
    : Control(settings.identity,
              new QPushButton(QString::fromStdString(settings.caption), parent)) {
  auto* button = static_cast<QPushButton*>(widget());
  button->setAutoDefault(false);
  button->setDefault(false);
  button->setFocusPolicy(Qt::StrongFocus);
  QObject::connect(button, &QPushButton::clicked, button, [this] { Raise("Click", onClick_); });
}

CommandButton::~CommandButton() = default;

}  // namespace dct::platform
