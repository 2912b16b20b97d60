#include "ScrollBar.h"

#include <QKeyEvent>
#include <QScrollBar>
#include <array>
#include <stdexcept>
#include <string>

namespace dct::platform {
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

class ScrollBar::KeyFilter : public QObject {
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

ScrollBar::ScrollBar(QWidget* parent, const ScrollBarSpec& settings)
    : Control(settings.identity, new QScrollBar(Qt::Horizontal, parent)),
      bar_(static_cast<QScrollBar*>(widget())) {
  bar_->setRange(settings.min, settings.max);
  bar_->setSingleStep(settings.smallChange);
  bar_->setPageStep(settings.largeChange);
  bar_->setValue(settings.value);
  bar_->setTracking(true);
  bar_->setFocusPolicy(Qt::StrongFocus);
  bar_->setContextMenuPolicy(Qt::NoContextMenu);
  bar_->installEventFilter(new KeyFilter(bar_));
  QObject::connect(bar_, &QScrollBar::valueChanged, bar_, [this] { valueChanged(); });
  QObject::connect(bar_, &QScrollBar::sliderPressed, bar_, [this] { draggedSincePress_ = false; });
  QObject::connect(bar_, &QScrollBar::sliderReleased, bar_, [this] { sliderReleased(); });
}

ScrollBar::~ScrollBar() = default;

std::int16_t ScrollBar::Value() const { return static_cast<std::int16_t>(bar_->value()); }

void ScrollBar::SetValue(int value) {
  if (value < bar_->minimum() || value > bar_->maximum()) {
    throw std::out_of_range(
        widget()->objectName().toStdString() + ".Value = " + std::to_string(value) +
        " is outside " + std::to_string(bar_->minimum()) + ".." + std::to_string(bar_->maximum()));
  }
  if (value == bar_->value()) return;
  // Counted, not flagged: the raised Change may assign this bar again. No
  // exception passes through here, since the runtime ends the program at the
  // handler that threw.
  ++assigning_;
  bar_->setValue(value);
  --assigning_;
}

void ScrollBar::valueChanged() {
  // While the user holds the thumb, the value already is the thumb's position;
  // an assignment is a Change even then.
  if (assigning_ == 0 && bar_->isSliderDown()) {
    draggedSincePress_ = true;
    Raise("Scroll", onScroll_);
  } else {
    Raise("Change", onChange_);
  }
}

void ScrollBar::sliderReleased() {
  // A drag ends with one Change; pressing and releasing the thumb without
  // moving it (or a middle click, whose jump was already a Change) raises none.
  if (!draggedSincePress_) return;
  draggedSincePress_ = false;
  Raise("Change", onChange_);
}

}  // namespace dct::platform
