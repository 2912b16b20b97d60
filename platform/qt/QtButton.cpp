#include <QKeyEvent>
#include <QPushButton>

#include "platform/qt/QtForm.h"
#include "platform/qt/QtPeer.h"

namespace dct::platform {
namespace qt {

// A push button that is neither the default nor the cancel button: Space or
// Enter presses it when it has the focus.
class QtButton : public QtPeer<CommandButtonPeer> {
 public:
  QtButton(QWidget* window, const CommandButtonSettings& settings, ButtonInput& input);

  void ShowCaption(std::string_view text) override {
    static_cast<QPushButton*>(widget())->setText(
        QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
  }

 private:
  class EnterKey;
};

// Qt's push button takes Enter only as a default button, which Fusion draws
// with a frame of its own; the key is handled here instead.
class QtButton::EnterKey : public QObject {
 public:
  explicit EnterKey(QPushButton* button) : QObject(button), button_(button) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::KeyPress) {
      const auto* key = static_cast<QKeyEvent*>(event);
      const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
      if (enter && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        button_->click();
        return true;
      }
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  QPushButton* button_;
};

QtButton::QtButton(QWidget* window, const CommandButtonSettings& settings, ButtonInput& input)
    : QtPeer(new QPushButton(QString::fromStdString(settings.caption), window), settings.identity) {
  auto* button = static_cast<QPushButton*>(widget());
  button->setAutoDefault(false);
  button->setDefault(false);
  button->setFocusPolicy(Qt::StrongFocus);
  button->installEventFilter(new EnterKey(button));
  QObject::connect(button, &QPushButton::clicked, button, [&input] { input.Clicked(); });
}

}  // namespace qt

std::unique_ptr<CommandButtonPeer> qt::QtForm::CreateCommandButton(
    const CommandButtonSettings& settings, ButtonInput& input) {
  return std::make_unique<QtButton>(window(), settings, input);
}

}  // namespace dct::platform
