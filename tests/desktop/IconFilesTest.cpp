// The generator's file formats on small images, where a row padding, a
// one-byte side or an unused palette entry shows.
#include <gtest/gtest.h>

#include "IcoReader.h"
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

TEST(IconFiles, IcoReadsBackAsTheImage) {
  struct Case {
    int width, height;
    std::size_t colours;
  };
  // Widths 3 and 5 pad their rows; 256 is written as 0 in the directory.
  for (const Case c : {Case{32, 32, 7}, Case{3, 2, 2}, Case{5, 1, 256}, Case{1, 1, 1},
                       Case{256, 256, 256}, Case{33, 7, 3}}) {
    SCOPED_TRACE(std::to_string(c.width) + "x" + std::to_string(c.height));
    const IndexedImage image = patterned(c.width, c.height, c.colours);
    const auto file = icon::EncodeIco(image);
    const DecodedIco ico = ReadIco(file);
    EXPECT_EQ(ico.image.width, c.width);
    EXPECT_EQ(ico.image.height, c.height);
    EXPECT_EQ(ico.image.pixels, image.pixels);
    ASSERT_EQ(ico.image.palette.size(), 256U);
    for (std::size_t i = 0; i < 256; ++i) {
      EXPECT_EQ(ico.image.palette[i], i < c.colours ? image.palette[i] : 0) << "entry " << i;
    }
    EXPECT_TRUE(ico.allOpaque);
  }
}

TEST(IconFiles, PngIsGreyOnlyWhenEveryColourUsedIsGrey) {
  struct Case {
    const char* what;
    std::vector<Rgb> palette;
    std::vector<std::uint8_t> pixels;
    cli::PngColour colour;
    std::vector<std::uint8_t> samples;
  };
  const Case kCases[] = {
      {"greys", {0x000000, 0x808080}, {1, 0}, cli::PngColour::Grey, {0x80, 0x00}},
      {"an unused colour", {0x101010, 0x0000FF}, {0, 0}, cli::PngColour::Grey, {0x10, 0x10}},
      {"a colour in use (0x00BBGGRR)",
       {0x101010, 0x3020FF},
       {1, 0},
       cli::PngColour::Rgba,
       {0xFF, 0x20, 0x30, 0xFF, 0x10, 0x10, 0x10, 0xFF}},
  };
  for (const Case& c : kCases) {
    const IndexedImage image{2, 1, c.palette, c.pixels};
    const cli::PngImage png = icon::ToPngImage(image);
    EXPECT_EQ(png.colour, c.colour) << c.what;
    EXPECT_EQ(png.samples, c.samples) << c.what;
    EXPECT_EQ(png.width, 2U);
    EXPECT_EQ(png.height, 1U);
  }
}

}  // namespace
}  // namespace dct::desktop::test
