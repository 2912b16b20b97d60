#include "platform/qt/QtAccess.h"

#include "platform/qt/QtForm.h"
#include "platform/qt/QtPeer.h"

namespace dct::platform::qt {

QWidget* WidgetOf(const Control& control) {
  return dynamic_cast<WidgetHolder&>(control.Peer()).widget();
}

QWidget* WindowOf(const Form& form) { return dynamic_cast<QtForm&>(form.Peer()).window(); }

QImage ToQImage(const IndexedImage& image) {
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

}  // namespace dct::platform::qt
