#include "platform/qt/QtPeer.h"

namespace dct::platform::qt {

QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void PlaceWidget(QWidget* widget, const ControlIdentity& identity) {
  const Rect& r = identity.rect;
  widget->setGeometry(TwipsToPixels(r.left), TwipsToPixels(r.top), TwipsToPixels(r.width),
                      TwipsToPixels(r.height));
  widget->setObjectName(QString::fromStdString(identity.Name()));
}

}  // namespace dct::platform::qt
