#include "platform/qt/QtForm.h"

#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <algorithm>

#include "platform/qt/QtAccess.h"
#include "platform/qt/QtPeer.h"

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

QtForm::QtForm(const FormSettings& settings)
    : client_(new QWidget), secondary_(settings.secondary) {
  const QSize size(TwipsToPixels(settings.clientWidth), TwipsToPixels(settings.clientHeight));
  client_->resize(size);
  top_.reset(client_);
  // A window beside the main one may be taller than the screen: it scrolls,
  // and opens as large as the screen holds.
  if (secondary_) {
    client_->setFixedSize(size);
    auto* scroll = new QScrollArea;
    scroll->setFrameShape(QFrame::NoFrame);
    // The scroll area owns the controls' widget from here on.
    static_cast<void>(top_.release());
    scroll->setWidget(client_);
    top_.reset(scroll);
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize room = screen != nullptr ? screen->availableSize() : size;
    const int bar = scroll->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    top_->resize(std::min(size.width() + bar, room.width()),
                 std::min(size.height(), room.height()));
  }
  top_->setWindowTitle(QString::fromStdString(settings.title));
  if (settings.icon.width > 0) top_->setWindowIcon(crispIcon(ToQImage(settings.icon)));
  top_->setAttribute(Qt::WA_QuitOnClose, !secondary_);
  // The main window keeps the focus, as it has in the page.
  top_->setAttribute(Qt::WA_ShowWithoutActivating, secondary_);
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

// Qt's accessibility names a widget by a label sibling whose buddy it is,
// and lists that label among its relations.
void QtForm::TieLabel(ControlPeer& label, ControlPeer& control) {
  auto* caption = qobject_cast<QLabel*>(dynamic_cast<WidgetHolder&>(label).widget());
  caption->setBuddy(dynamic_cast<WidgetHolder&>(control).widget());
}

// A window beside the main one opens to its right, where the screen has room.
void QtForm::Show() {
  if (secondary_) {
    for (QWidget* other : QApplication::topLevelWidgets()) {
      if (other == top_.get() || !other->isVisible() || !other->testAttribute(Qt::WA_QuitOnClose)) {
        continue;
      }
      const QRect frame = other->frameGeometry();
      top_->move(frame.right() + 1, frame.top());
      break;
    }
  }
  top_->show();
}

}  // namespace qt

}  // namespace dct::platform
