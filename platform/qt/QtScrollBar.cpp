#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyleOptionFocusRect>
#include <array>
#include <functional>
#include <string>
#include <utility>

#include "platform/qt/QtForm.h"
#include "platform/qt/QtForm.h"
#include "platform/qt/QtPeer.h"

namespace dct::platform {
namespace qt {

// A scroll bar as Qt's, with the keys of a desktop scroll bar and a focus
// frame. What the user does is reported; what the program shows is not.
class QtScrollBar : public QtPeer<ScrollBarPeer> {
 public:
  class Bar;

  QtScrollBar(QWidget* window, const ScrollBarSettings& settings, ScrollBarInput& input);

  void ShowValue(int value) override;

 private:
  class KeyFilter;

  QScrollBar* bar_;
  // The program's own value is no move of the user's.
  bool showing_ = false;
};

namespace {

struct KeyAction {
  int key;
  QAbstractSlider::SliderAction action;
};

// Qt inverts the keys of a horizontal scroll bar by default (Left increases);
// here Left and Up decrease, Right and Down increase, whatever the defaults.
constexpr std::array<KeyAction, 8> kKeyActions{{
    {Qt::Key_Left, QAbstractSlider::SliderSingleStepSub},
    {Qt::Key_Up, QAbstractSlider::SliderSingleStepSub},
    {Qt::Key_Right, QAbstractSlider::SliderSingleStepAdd},
    {Qt::Key_Down, QAbstractSlider::SliderSingleStepAdd},
    {Qt::Key_PageUp, QAbstractSlider::SliderPageStepSub},
    {Qt::Key_PageDown, QAbstractSlider::SliderPageStepAdd},
    {Qt::Key_Home, QAbstractSlider::SliderToMinimum},
    {Qt::Key_End, QAbstractSlider::SliderToMaximum},
}};

}  // namespace

// Fusion draws no mark on a focused scroll bar, so a keyboard user could not
// tell where the keys go: draw the frame the style gives focused controls.
// It keeps what a screen reader says for a value, where that is no number.
class QtScrollBar::Bar : public QScrollBar {
 public:
  Bar(QWidget* parent, std::function<std::string(int)> valueText)
      : QScrollBar(Qt::Horizontal, parent), valueText_(std::move(valueText)) {}

  bool saysValues() const { return static_cast<bool>(valueText_); }
  QString valueText() const { return FromUtf8(valueText_(value())); }

 protected:
  void paintEvent(QPaintEvent* event) override {
    QScrollBar::paintEvent(event);
    if (!hasFocus()) return;
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.backgroundColor = palette().color(QPalette::Window);
    QPainter painter(this);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
  }

 private:
  std::function<std::string(int)> valueText_;
};

namespace {

// A scroll bar as Qt's own accessibility shows one, its value said in words.
class SayingBar : public QAccessibleWidget, public QAccessibleValueInterface {
 public:
  explicit SayingBar(QtScrollBar::Bar* bar) : QAccessibleWidget(bar, QAccessible::ScrollBar) {}

  QString text(QAccessible::Text which) const override {
    return which == QAccessible::Value ? bar()->valueText() : QAccessibleWidget::text(which);
  }
  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::ValueInterface) return static_cast<QAccessibleValueInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
  }

  QVariant currentValue() const override { return bar()->value(); }
  // A screen reader's move is the user's, as a key's is.
  void setCurrentValue(const QVariant& value) override { bar()->setValue(value.toInt()); }
  QVariant maximumValue() const override { return bar()->maximum(); }
  QVariant minimumValue() const override { return bar()->minimum(); }
  QVariant minimumStepSize() const override { return bar()->singleStep(); }

 private:
  QtScrollBar::Bar* bar() const { return static_cast<QtScrollBar::Bar*>(widget()); }
};

// Bar has no meta-object of its own: Qt asks for a QScrollBar's interface.
QAccessibleInterface* sayingBarFor(const QString& className, QObject* object) {
  if (className != QLatin1String("QScrollBar")) return nullptr;
  auto* bar = dynamic_cast<QtScrollBar::Bar*>(object);
  return bar != nullptr && bar->saysValues() ? new SayingBar(bar) : nullptr;
}

}  // namespace

class QtScrollBar::KeyFilter : public QObject {
 public:
  explicit KeyFilter(QScrollBar* bar) : QObject(bar), bar_(bar) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::KeyPress) {
      const auto* key = static_cast<QKeyEvent*>(event);
      const auto modifiers = key->modifiers() & ~Qt::KeypadModifier;
      for (const KeyAction& entry : kKeyActions) {
        if (key->key() == entry.key && modifiers == Qt::NoModifier) {
          bar_->triggerAction(entry.action);
          return true;
        }
      }
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  QScrollBar* bar_;
};

QtScrollBar::QtScrollBar(QWidget* window, const ScrollBarSettings& settings, ScrollBarInput& input)
    : QtPeer(new Bar(window, settings.valueText), settings.identity),
      bar_(static_cast<QScrollBar*>(widget())) {
  bar_->setRange(settings.range.min, settings.range.max);
  bar_->setSingleStep(settings.range.smallChange);
  bar_->setPageStep(settings.range.largeChange);
  bar_->setValue(settings.value);
  bar_->setTracking(true);
  bar_->setFocusPolicy(Qt::StrongFocus);
  bar_->setContextMenuPolicy(Qt::NoContextMenu);
  bar_->installEventFilter(new KeyFilter(bar_));
  // While the user holds the thumb, each new position is a drag; any other
  // move (an arrow, the track, a key, a middle click) is a move of its own.
  QObject::connect(bar_, &QScrollBar::valueChanged, bar_, [this, &input](int value) {
    if (showing_) return;
    if (bar_->isSliderDown()) {
      input.ThumbDragged(value);
    } else {
      input.Moved(value);
    }
  });
  QObject::connect(bar_, &QScrollBar::sliderPressed, bar_, [&input] { input.ThumbPressed(); });
  QObject::connect(bar_, &QScrollBar::sliderReleased, bar_, [&input] { input.ThumbReleased(); });
}

void QtScrollBar::ShowValue(int value) {
  showing_ = true;
  bar_->setValue(value);
  showing_ = false;
}

}  // namespace qt

QAccessible::InterfaceFactory qt::SayingBarFactory() { return &qt::sayingBarFor; }

std::unique_ptr<ScrollBarPeer> qt::QtForm::CreateScrollBar(const ScrollBarSettings& settings,
                                                           ScrollBarInput& input) {
  return std::make_unique<QtScrollBar>(window(), settings, input);
}

}  // namespace dct::platform
