#include "TextBox.h"

#include <QEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <climits>

#include "BoxEdit.h"
#include "CompactFont.h"

namespace dct::platform {

// Qt's line edit has no click signal: a left-button release inside the box is
// the click. The event goes on to the box, so focus and cursor stay normal.
class TextBox::ClickFilter : public QObject {
 public:
  explicit ClickFilter(TextBox& box) : QObject(box.edit_), box_(box) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::MouseButtonRelease) {
      const auto* mouse = static_cast<QMouseEvent*>(event);
      if (mouse->button() == Qt::LeftButton &&
          box_.edit_->rect().contains(mouse->position().toPoint())) {
        box_.Raise("Click", box_.onClick_);
      }
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  TextBox& box_;
};

TextBox::TextBox(QWidget* parent, const TextBoxSpec& settings)
    : Control(settings.identity, new BoxEdit(parent)), edit_(static_cast<BoxEdit*>(widget())) {
  edit_->setMaxLength(INT_MAX);
  edit_->setText(QString::fromStdString(settings.text));
  edit_->setAlignment(settings.alignment == Alignment::Centre ? Qt::AlignCenter
                                                              : Qt::AlignLeft | Qt::AlignVCenter);
  edit_->setFont(BoxFont(edit_->width()));
  edit_->setTextMargins(kBoxTextMargin, 0, kBoxTextMargin, 0);
  edit_->setEnabled(settings.enabled);
  edit_->setFocusPolicy(!settings.enabled  ? Qt::NoFocus
                        : settings.tabStop ? Qt::StrongFocus
                                           : Qt::ClickFocus);
  edit_->installEventFilter(new ClickFilter(*this));
  // Connected after the initial text, which is no change. The text is read
  // afresh by the handlers: the signal's argument can be stale once a handler
  // has assigned the text again.
  QObject::connect(edit_, &QLineEdit::textChanged, edit_, [this] { Raise("Change", onChange_); });
}

TextBox::~TextBox() = default;

std::string TextBox::Text() const { return edit_->text().toStdString(); }

void TextBox::SetText(std::string_view text) {
  const QString value = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  // An equal text raises nothing in Qt, but would still move the cursor and
  // drop the selection and the undo history: leave the box alone.
  if (edit_->text() == value) return;
  edit_->setText(value);
}

int TextBox::SelStart() const { return edit_->cursorPosition(); }

void TextBox::SetSelStart(int position) { edit_->setCursorPosition(position); }

void TextBox::SetBackColor(Rgb colour) {
  if (colour == backColor_) return;
  backColor_ = colour;
  edit_->setBackground(QColor(RedOf(colour), GreenOf(colour), BlueOf(colour)));
}

std::string TextBox::ToolTipText() const { return edit_->toolTip().toStdString(); }

void TextBox::SetToolTipText(std::string_view text) {
  const QString value = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  if (edit_->toolTip() == value) return;
  edit_->setToolTip(value);
}

void TextBox::SetMousePointer(int pointer) {
  if (pointer == mousePointer_) return;
  mousePointer_ = pointer;
  if (pointer == 1) {
    edit_->setCursor(Qt::ArrowCursor);
  } else {
    edit_->unsetCursor();
  }
}

}  // namespace dct::platform
