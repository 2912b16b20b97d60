#include "platform/qt/BoxEdit.h"

#include <QPainter>
#include <QPixmapCache>
#include <QStyle>
#include <QStyleOptionFrame>

namespace dct::platform::qt {
namespace {

// The text of a disabled box stays readable on any background.
const QColor kDisabledText(0x50, 0x50, 0x50);

}  // namespace

void BoxEdit::paintEvent(QPaintEvent* event) {
  // With text, a cursor or a placeholder, the line edit draws more than its panel.
  if (!text().isEmpty() || hasFocus() || !placeholderText().isEmpty()) {
    QLineEdit::paintEvent(event);
    return;
  }
  QPainter painter(this);
  painter.drawPixmap(0, 0, panel());
}

QPixmap BoxEdit::panel() const {
  QStyleOptionFrame option;
  initStyleOption(&option);
  const qreal ratio = devicePixelRatioF();
  const QString key = QStringLiteral("dct-box-panel-%1x%2@%3-%4-%5")
                          .arg(width())
                          .arg(height())
                          .arg(ratio)
                          .arg(background_.rgba())
                          .arg(static_cast<int>(option.state));
  QPixmap pixmap;
  if (QPixmapCache::find(key, &pixmap)) return pixmap;
  pixmap = QPixmap(size() * ratio);
  pixmap.setDevicePixelRatio(ratio);
  pixmap.fill(Qt::transparent);
  {
    QPainter painter(&pixmap);
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &option, &painter, this);
  }
  QPixmapCache::insert(key, pixmap);
  return pixmap;
}

void BoxEdit::setBackground(const QColor& colour) {
  if (colour == background_) return;
  background_ = colour;
  update();
}

void BoxEdit::initStyleOption(QStyleOptionFrame* option) const {
  QLineEdit::initStyleOption(option);
  // In every colour group, so that a disabled box shows its colour too.
  for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    option->palette.setColor(group, QPalette::Base, background_);
  }
  option->palette.setColor(QPalette::Disabled, QPalette::Text, kDisabledText);
}

}  // namespace dct::platform::qt
