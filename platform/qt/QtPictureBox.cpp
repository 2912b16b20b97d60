#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QImage>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QWidget>
#include <cstring>
#include <utility>

#include "platform/qt/PlainFile.h"
#include "platform/qt/QtForm.h"
#include "platform/qt/QtPeer.h"

namespace dct::platform {
namespace qt {
namespace {

// The name that the dialog or the file manager gave, for the system to open
// and for the user to read.
ChosenFile chosen(const QString& path) {
  return ChooseFile(QFile::encodeName(path).toStdString(),
                    QFileInfo(path).fileName().toStdString());
}

constexpr double kDisabledOpacity = 0.4;

constexpr std::pair<Qt::Key, PictureKey> kKeys[] = {
    {Qt::Key_Left, PictureKey::Left},     {Qt::Key_Right, PictureKey::Right},
    {Qt::Key_Up, PictureKey::Up},         {Qt::Key_Down, PictureKey::Down},
    {Qt::Key_PageUp, PictureKey::PageUp}, {Qt::Key_PageDown, PictureKey::PageDown},
    {Qt::Key_Home, PictureKey::Home},     {Qt::Key_End, PictureKey::End},
};

QString localFile(const QMimeData* data) {
  if (data == nullptr || !data->hasUrls() || data->urls().isEmpty()) return {};
  return data->urls().constFirst().toLocalFile();
}

// Draws the picture and its frame; an interactive one reports the pointer
// (only when it reaches another pixel), the arrow keys and dropped files.
class PictureView : public QWidget {
 public:
  PictureView(QWidget* parent, bool interactive, PictureBoxInput& input)
      : QWidget(parent), input_(input) {
    setFocusPolicy(interactive ? Qt::StrongFocus : Qt::NoFocus);
    setAcceptDrops(interactive);
    setAttribute(Qt::WA_TransparentForMouseEvents, !interactive);
  }

  void show(const GreyPixels& picture) {
    image_ = QImage(picture.width, picture.height, QImage::Format_Grayscale8);
    for (int y = 0; y < picture.height; ++y) {
      const auto width = static_cast<std::size_t>(picture.width);
      std::memcpy(image_.scanLine(y), picture.levels.data() + width * static_cast<std::size_t>(y),
                  width);
    }
    update();
  }

  void showFrame(const Rect& frame) {
    frame_ = frame;
    update();
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    if (image_.isNull()) return;
    // Faded into the window's background, as Qt draws a disabled control.
    if (!isEnabled()) painter.setOpacity(kDisabledOpacity);
    const QRect target = placed();
    painter.drawImage(target, image_);
    if (!frame_.Empty()) {
      const QRectF box = mapped(frame_);
      // Dark inside light: visible on any grey.
      painter.setPen(QPen(Qt::white, 3));
      painter.drawRect(box.adjusted(-1.5, -1.5, 1.5, 1.5));
      painter.setPen(QPen(Qt::black, 1));
      painter.drawRect(box.adjusted(-0.5, -0.5, 0.5, 0.5));
    }
    if (hasFocus()) {
      painter.setPen(QPen(palette().highlight().color(), 2));
      painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    }
  }

  void mousePressEvent(QMouseEvent* event) override {
    if (event->button() != Qt::LeftButton || image_.isNull()) return;
    setFocus(Qt::MouseFocusReason);
    last_ = pixelAt(event->position());
    input_.Pressed(last_.x(), last_.y());
  }

  void mouseMoveEvent(QMouseEvent* event) override {
    if (!(event->buttons() & Qt::LeftButton) || image_.isNull()) return;
    const QPoint pixel = pixelAt(event->position());
    if (pixel == last_) return;
    last_ = pixel;
    input_.Dragged(pixel.x(), pixel.y());
  }

  void keyPressEvent(QKeyEvent* event) override {
    for (const auto& [key, reported] : kKeys) {
      if (event->key() == key) return input_.KeyPressed(reported);
    }
    QWidget::keyPressEvent(event);
  }

  // A disabled box shows that it refuses the file.
  void dragEnterEvent(QDragEnterEvent* event) override {
    if (isEnabled() && !localFile(event->mimeData()).isEmpty()) event->acceptProposedAction();
  }

  void dropEvent(QDropEvent* event) override {
    const QString path = localFile(event->mimeData());
    if (path.isEmpty()) return;
    event->acceptProposedAction();
    input_.FileChosen(chosen(path));
  }

 private:
  // As large as fits, centred, the aspect kept.
  QRect placed() const {
    const auto [fittedWidth, fittedHeight] =
        FitPicture(image_.width(), image_.height(), width(), height());
    const QSize size(qRound(fittedWidth), qRound(fittedHeight));
    return {QPoint((width() - size.width()) / 2, (height() - size.height()) / 2), size};
  }

  QRectF mapped(const Rect& r) const {
    const QRect target = placed();
    const double sx = static_cast<double>(target.width()) / image_.width();
    const double sy = static_cast<double>(target.height()) / image_.height();
    return {target.left() + r.left * sx, target.top() + r.top * sy, r.width * sx, r.height * sy};
  }

  QPoint pixelAt(const QPointF& position) const {
    const QRect target = placed();
    return {PixelAlong(position.x() - target.left(), target.width(), image_.width()),
            PixelAlong(position.y() - target.top(), target.height(), image_.height())};
  }

  PictureBoxInput& input_;
  QImage image_;
  Rect frame_;
  QPoint last_;
};

class QtPictureBox : public QtPeer<PictureBoxPeer> {
 public:
  QtPictureBox(QWidget* window, const PictureBoxSettings& settings, PictureBoxInput& input)
      : QtPeer(new PictureView(window, settings.interactive, input), settings.identity),
        input_(input) {}

  void ShowPicture(const GreyPixels& picture) override { view()->show(picture); }
  void ShowFrame(const Rect& frame) override { view()->showFrame(frame); }
  void ShowBusy(bool busy) override {
    if (busy) {
      view()->setCursor(Qt::BusyCursor);
    } else {
      view()->unsetCursor();
    }
  }

  // The toolkit's own dialog, the same on every desktop, which tests can
  // drive; it does not block, as the page's chooser does not.
  void ChooseImage() override {
    auto* dialog = new QFileDialog(widget()->window(), QStringLiteral("Abrir imagem"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setFileMode(QFileDialog::ExistingFile);
    // Exactly what the program reads (the dialog matches in any case).
    dialog->setNameFilter(QStringLiteral("Imagens PNG e JPEG (*.png *.jpg *.jpeg *.jpe *.jfif)"));
    QObject::connect(dialog, &QFileDialog::fileSelected, widget(),
                     [this](const QString& path) { input_.FileChosen(chosen(path)); });
    dialog->open();
  }

 private:
  PictureView* view() const { return static_cast<PictureView*>(widget()); }

  PictureBoxInput& input_;
};

}  // namespace
}  // namespace qt

std::unique_ptr<PictureBoxPeer> qt::QtForm::CreatePictureBox(const PictureBoxSettings& settings,
                                                             PictureBoxInput& input) {
  return std::make_unique<QtPictureBox>(window(), settings, input);
}

}  // namespace dct::platform
