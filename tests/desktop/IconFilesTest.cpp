// The generator's conversion to Qt's image on small images, where the
// padding at the end of Qt's rows or a full palette shows.
#include <gtest/gtest.h>

#include "IconFiles.h"

namespace dct::desktop::test {
namespace {

using platform::IndexedImage;

IndexedImage patterned(int width, int height, std::size_t colours) {
  IndexedImage image{width, height, {}, {}};
  for (std::size_t i = 0; i < colours; ++i) {
    image.palette.push_back(static_cast<Rgb>(0x010203 * (i + 1) % 0x1000000));
  }
  for (int i = 0; i < width * height; ++i) {
    image.pixels.push_back(
        static_cast<std::uint8_t>((i * 7 + i / width) % static_cast<int>(colours)));
  }
  return image;
}

// Qt's image holds the image's own colours, pixel by pixel.
TEST(IconFiles, QtImageHoldsTheImage) {
  struct Case {
    int width, height;
    std::size_t colours;
  };
  // Qt pads its rows to 4 bytes: widths 3, 5 and 33 leave padding.
  for (const Case c : {Case{32, 32, 7}, Case{3, 2, 2}, Case{5, 1, 256}, Case{1, 1, 1},
                       Case{256, 256, 256}, Case{33, 7, 3}}) {
    SCOPED_TRACE(std::to_string(c.width) + "x" + std::to_string(c.height));
    const IndexedImage image = patterned(c.width, c.height, c.colours);
    const QImage qimage = icon::ToQImage(image);
    ASSERT_EQ(qimage.size(), QSize(c.width, c.height));
    for (int i = 0; i < c.width * c.height; ++i) {
      const Rgb colour = image.palette[image.pixels[static_cast<std::size_t>(i)]];
      ASSERT_EQ(qimage.pixel(i % c.width, i / c.width),
                qRgb(RedOf(colour), GreenOf(colour), BlueOf(colour)))
          << "pixel " << i;
    }
  }
}

}  // namespace
}  // namespace dct::desktop::test
