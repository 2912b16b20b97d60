#include <QCursor>
#include <QEvent>
#include <QMouseEvent>
#include <QToolTip>
#include <climits>

#include "platform/qt/BoxEdit.h"
#include "platform/qt/CompactFont.h"
#include "platform/qt/QtForm.h"
#include "platform/qt/QtPeer.h"

namespace dct::platform {
namespace qt {

// A text box as a line edit. What the user types is reported; what the
// program shows is not, since the shared runtime raises that Change itself.
class QtTextBox : public QtPeer<TextBoxPeer> {
 public:
  QtTextBox(QWidget* window, const TextBoxSettings& settings, TextBoxInput& input);

  std::string Text() const override;
  void ShowText(std::string_view text) override;
  int SelStart() const override;
  void SetSelStart(int position) override;
  void ShowBackColor(Rgb colour) override;
  void ShowToolTip(std::string_view text) override;
  void ShowMousePointer(int pointer) override;
  void ShowEnabled(bool enabled) override;

 private:
  class ClickFilter;

  BoxEdit* edit_;
  bool tabStop_;
  // The program's own text is no edit of the user's. (Not a signal blocker:
  // the toolkit's signals still tell tests what the box did.)
  bool showing_ = false;
};

// Qt's line edit has no click signal: a left-button release inside the box is
// the click. The event goes on to the box, so focus and cursor stay normal.
class QtTextBox::ClickFilter : public QObject {
 public:
  ClickFilter(BoxEdit* edit, TextBoxInput& input) : QObject(edit), edit_(edit), input_(input) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::MouseButtonRelease) {
      const auto* mouse = static_cast<QMouseEvent*>(event);
      if (mouse->button() == Qt::LeftButton &&
          edit_->rect().contains(mouse->position().toPoint())) {
        input_.Clicked();
      }
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  BoxEdit* edit_;
  TextBoxInput& input_;
};

QtTextBox::QtTextBox(QWidget* window, const TextBoxSettings& settings, TextBoxInput& input)
    : QtPeer(new BoxEdit(window), settings.identity),
      edit_(static_cast<BoxEdit*>(widget())),
      tabStop_(settings.tabStop) {
  edit_->setMaxLength(INT_MAX);
  edit_->setText(QString::fromStdString(settings.text));
  edit_->setAlignment(settings.alignment == Alignment::Centre ? Qt::AlignCenter
                                                              : Qt::AlignLeft | Qt::AlignVCenter);
  edit_->setFont(BoxFont(edit_->width()));
  edit_->setTextMargins(kBoxTextMargin, 0, kBoxTextMargin, 0);
  edit_->setReadOnly(settings.locked);
  ShowEnabled(settings.enabled);
  edit_->installEventFilter(new ClickFilter(edit_, input));
  // The handlers read the text afresh: the signal's argument can be stale
  // once a handler has assigned the text again.
  QObject::connect(edit_, &QLineEdit::textChanged, edit_, [this, &input] {
    if (!showing_) input.Edited();
  });
  // The window has no default button for the key to press as well.
  QObject::connect(edit_, &QLineEdit::returnPressed, edit_, [&input] { input.ReturnPressed(); });
}

std::string QtTextBox::Text() const { return edit_->text().toStdString(); }

void QtTextBox::ShowText(std::string_view text) {
  showing_ = true;
  edit_->setText(FromUtf8(text));
  showing_ = false;
}

int QtTextBox::SelStart() const { return edit_->cursorPosition(); }

void QtTextBox::SetSelStart(int position) { edit_->setCursorPosition(position); }

void QtTextBox::ShowBackColor(Rgb colour) {
  edit_->setBackground(QColor(RedOf(colour), GreenOf(colour), BlueOf(colour)));
}

void QtTextBox::ShowToolTip(std::string_view text) {
  const QString value = FromUtf8(text);
  edit_->setToolTip(value);
  // A hint already open over this box would keep its old text until the
  // pointer left it: show the new one at once.
  if (QToolTip::isVisible() && edit_->underMouse()) {
    QToolTip::showText(QCursor::pos(), value, edit_);
  }
}

void QtTextBox::ShowEnabled(bool enabled) {
  edit_->setEnabled(enabled);
  edit_->setFocusPolicy(!enabled ? Qt::NoFocus : tabStop_ ? Qt::StrongFocus : Qt::ClickFocus);
}

void QtTextBox::ShowMousePointer(int pointer) {
  if (pointer == 1) {
    edit_->setCursor(Qt::ArrowCursor);
  } else {
    edit_->unsetCursor();
  }
}

}  // namespace qt

std::unique_ptr<TextBoxPeer> qt::QtForm::CreateTextBox(const TextBoxSettings& settings,
                                                       TextBoxInput& input) {
  return std::make_unique<QtTextBox>(window(), settings, input);
}

}  // namespace dct::platform
