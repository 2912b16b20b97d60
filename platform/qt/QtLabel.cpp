#include "QtLabel.h"

#include <QLabel>

#include "CompactFont.h"

namespace dct::platform::qt {

QtLabel::QtLabel(QWidget* window, const LabelSpec& settings)
    : QtPeer(new QLabel(QString::fromStdString(settings.caption), window), settings.identity) {
  auto* label = static_cast<QLabel*>(widget());
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setTextFormat(Qt::PlainText);
  label->setFocusPolicy(Qt::NoFocus);
  label->setFont(FittingFont(label->text(), label->width()));
}

}  // namespace dct::platform::qt
