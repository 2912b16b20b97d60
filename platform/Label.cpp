#include "Label.h"

#include <QLabel>

#include "CompactFont.h"

namespace dct::platform {

Label::Label(QWidget* parent, const LabelSpec& settings)
    : Control(settings.identity, new QLabel(QString::fromStdString(settings.caption), parent)) {
  auto* label = static_cast<QLabel*>(widget());
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setTextFormat(Qt::PlainText);
  label->setFocusPolicy(Qt::NoFocus);
  label->setFont(FittingFont(label->text(), label->width()));
}

Label::~Label() = default;

}  // namespace dct::platform
