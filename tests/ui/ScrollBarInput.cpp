#include "tests/ui/ScrollBarInput.h"

#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>

namespace dct::ui::testing_support {
namespace {

QStyleOptionSlider sliderOption(const QScrollBar* bar) {
  QStyleOptionSlider option;
  option.initFrom(bar);
  option.subControls = QStyle::SC_All;
  option.orientation = bar->orientation();
  option.minimum = bar->minimum();
  option.maximum = bar->maximum();
  option.sliderPosition = bar->sliderPosition();
  option.sliderValue = bar->value();
  option.singleStep = bar->singleStep();
  option.pageStep = bar->pageStep();
  option.upsideDown = bar->invertedAppearance();
  if (bar->orientation() == Qt::Horizontal) option.state |= QStyle::State_Horizontal;
  return option;
}

QRect subControl(const QScrollBar* bar, QStyle::SubControl which) {
  const QStyleOptionSlider option = sliderOption(bar);
  return bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, which, bar);
}

}  // namespace

QPoint LeftArrow(const QScrollBar* bar) {
  return subControl(bar, QStyle::SC_ScrollBarSubLine).center();
}
QPoint RightArrow(const QScrollBar* bar) {
  return subControl(bar, QStyle::SC_ScrollBarAddLine).center();
}
QPoint TrackLeftOfThumb(const QScrollBar* bar) {
  return subControl(bar, QStyle::SC_ScrollBarSubPage).center();
}
QPoint TrackRightOfThumb(const QScrollBar* bar) {
  return subControl(bar, QStyle::SC_ScrollBarAddPage).center();
}
QRect ThumbRect(const QScrollBar* bar) { return subControl(bar, QStyle::SC_ScrollBarSlider); }

bool DragThumb(QScrollBar* bar, const std::vector<int>& values,
               const std::function<void(int)>& during) {
  const QRect groove = subControl(bar, QStyle::SC_ScrollBarGroove);
  const QRect thumb = ThumbRect(bar);
  const QPoint grip = thumb.center();
  const int span = groove.width() - thumb.width();
  QTest::mousePress(bar, Qt::LeftButton, Qt::NoModifier, grip);
  QPoint at = grip;
  bool landed = true;
  for (const int value : values) {
    const int offset = QStyle::sliderPositionFromValue(bar->minimum(), bar->maximum(), value, span);
    at = QPoint(groove.left() + offset + (grip.x() - thumb.left()), grip.y());
    QTest::mouseMove(bar, at);
    landed = landed && bar->value() == value;
    if (during) during(value);
  }
  QTest::mouseRelease(bar, Qt::LeftButton, Qt::NoModifier, at);
  return landed;
}

}  // namespace dct::ui::testing_support
