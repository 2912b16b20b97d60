#include <QLabel>

#include "Backend.h"
#include "CompactFont.h"
#include "QtForm.h"
#include "QtPeer.h"

namespace dct::platform {
namespace qt {

// Text aligned left, no border, no access key; never takes the focus.
class QtLabel : public QtPeer<ControlPeer> {
 public:
  QtLabel(QWidget* window, const LabelSettings& settings);
};

QtLabel::QtLabel(QWidget* window, const LabelSettings& settings)
    : QtPeer(new QLabel(QString::fromStdString(settings.caption), window), settings.identity) {
  auto* label = static_cast<QLabel*>(widget());
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setTextFormat(Qt::PlainText);
  label->setFocusPolicy(Qt::NoFocus);
  label->setFont(FittingFont(label->text(), label->width()));
}

}  // namespace qt

std::unique_ptr<ControlPeer> backend::CreateLabel(FormPeer& form, const LabelSettings& settings) {
  return std::make_unique<qt::QtLabel>(static_cast<qt::QtForm&>(form).window(), settings);
}

}  // namespace dct::platform
