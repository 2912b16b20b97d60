#include "Control.h"

#include <QWidget>

#include "Runtime.h"

namespace dct::platform {

Control::Control(ControlIdentity identity, QWidget* widget)
    : identity_(std::move(identity)), widget_(widget) {
  const Rect& r = identity_.rect;
  widget_->setGeometry(TwipsToPixels(r.left), TwipsToPixels(r.top), TwipsToPixels(r.width),
                       TwipsToPixels(r.height));
  QString name = QString::fromStdString(identity_.name);
  if (identity_.index >= 0) name += QStringLiteral("(%1)").arg(identity_.index);
  widget_->setObjectName(name);
}

Control::~Control() = default;

void Control::SetAccessibleName(std::string_view text) {
  const QString value = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  if (widget_->accessibleName() != value) widget_->setAccessibleName(value);
}

void Control::SetAccessibleDescription(std::string_view text) {
  const QString value = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  if (widget_->accessibleDescription() != value) widget_->setAccessibleDescription(value);
}

void Control::Raise(std::string_view event, const Handler& handler) const {
  if (!handler) return;
  Runtime::Raise({identity_.name, event, identity_.index}, handler);
}

}  // namespace dct::platform
