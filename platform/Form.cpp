#include "Form.h"

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QWidget>
#include <algorithm>

namespace dct::platform {
namespace {

QImage toQImage(const IndexedImage& image) {
  QImage result(image.width, image.height, QImage::Format_Indexed8);
  QList<QRgb> table;
  for (const Rgb colour : image.palette)
    table.append(qRgb(RedOf(colour), GreenOf(colour), BlueOf(colour)));
  result.setColorTable(table);
  for (int y = 0; y < image.height; ++y) {
    for (int x = 0; x < image.width; ++x) {
      result.setPixel(x, y, image.pixels[static_cast<std::size_t>(y * image.width + x)]);
    }
  }
  return result;
}

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

Form::Form(const FormSpec& settings) : window_(std::make_unique<QWidget>()) {
  window_->setWindowTitle(QString::fromStdString(settings.title));
  window_->resize(TwipsToPixels(settings.clientWidth), TwipsToPixels(settings.clientHeight));
  if (settings.icon.width > 0) window_->setWindowIcon(crispIcon(toQImage(settings.icon)));
}

Form::~Form() { window_.reset(); }

template <typename T, typename Settings>
T& Form::add(const Settings& settings) {
  auto control = std::make_unique<T>(window_.get(), settings);
  T& result = *control;
  controls_.push_back(std::move(control));
  return result;
}

TextBox& Form::AddTextBox(const TextBoxSpec& settings) { return add<TextBox>(settings); }
ScrollBar& Form::AddScrollBar(const ScrollBarSpec& settings) { return add<ScrollBar>(settings); }
CommandButton& Form::AddCommandButton(const CommandButtonSpec& settings) {
  return add<CommandButton>(settings);
}
Label& Form::AddLabel(const LabelSpec& settings) { return add<Label>(settings); }

void Form::ApplyTabOrder() {
  std::vector<QWidget*> chain;
  std::vector<const Control*> sorted;
  for (const auto& control : controls_) sorted.push_back(control.get());
  std::stable_sort(sorted.begin(), sorted.end(), [](const Control* a, const Control* b) {
    return a->Identity().tabIndex < b->Identity().tabIndex;
  });
  for (const Control* control : sorted) {
    if (control->widget()->focusPolicy() & Qt::TabFocus) chain.push_back(control->widget());
  }
  for (std::size_t i = 1; i < chain.size(); ++i) QWidget::setTabOrder(chain[i - 1], chain[i]);
}

void Form::Show() { window_->show(); }

}  // namespace dct::platform
