#include "QtForm.h"

#include <QIcon>
#include <QImage>
#include <QPixmap>

#include "Backend.h"
#include "QtAccess.h"
#include "QtPeer.h"

namespace dct::platform {
namespace qt {
namespace {

// Qt would leave it to the window system to enlarge a lone small image on a
// dense screen, smoothing it; whole multiples without smoothing keep the
// image's squares sharp.
QIcon crispIcon(const QImage& image) {
  QIcon icon;
  for (const int factor : {1, 2, 4}) {
    icon.addPixmap(QPixmap::fromImage(
        image.scaled(image.size() * factor, Qt::IgnoreAspectRatio, Qt::FastTransformation)));
  }
  return icon;
}

}  // namespace

QtForm::QtForm(const FormSettings& settings) : window_(std::make_unique<QWidget>()) {
  window_->setWindowTitle(QString::fromStdString(settings.title));
  window_->resize(TwipsToPixels(settings.clientWidth), TwipsToPixels(settings.clientHeight));
  if (settings.icon.width > 0) window_->setWindowIcon(crispIcon(ToQImage(settings.icon)));
}

QtForm::~QtForm() = default;

void QtForm::SetTabOrder(const std::vector<ControlPeer*>& controls) {
  QWidget* previous = nullptr;
  for (ControlPeer* control : controls) {
    QWidget* widget = dynamic_cast<WidgetHolder&>(*control).widget();
    if (!(widget->focusPolicy() & Qt::TabFocus)) continue;
    if (previous != nullptr) QWidget::setTabOrder(previous, widget);
    previous = widget;
  }
}

void QtForm::Show() { window_->show(); }

}  // namespace qt

std::unique_ptr<FormPeer> backend::CreateForm(const FormSettings& settings) {
  return std::make_unique<qt::QtForm>(settings);
}

}  // namespace dct::platform
