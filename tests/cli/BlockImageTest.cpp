#include <gtest/gtest.h>

#include <algorithm>

#include "cli/BlockImage.h"
#include "model/ReconstructBlock.h"

namespace dct::cli {
namespace {

TEST(BlockImageTest, EachPixelIsAScaledSquareOfItsGrey) {
  CoefTable coef;
  coef.set(0, 29);
  coef.set(1, -100);
  coef.set(9, 60);
  coef.set(10, -200);
  const PixelBlock block = ReconstructBlock(coef);
  // Both extreme greys occur, and no row equals its column.
  ASSERT_NE(std::find(block.Pixel.begin(), block.Pixel.end(), 127), block.Pixel.end());
  ASSERT_NE(std::find(block.Pixel.begin(), block.Pixel.end(), -127), block.Pixel.end());

  const QImage image = BlockImage(block, 3);

  ASSERT_EQ(image.format(), QImage::Format_Grayscale8);
  ASSERT_EQ(image.width(), 24);
  ASSERT_EQ(image.height(), 24);
  for (int row = 0; row < 24; ++row) {
    for (int column = 0; column < 24; ++column) {
      // The window's pixel value + 128.
      EXPECT_EQ(image.constScanLine(row)[column],
                block.Pixel[static_cast<std::size_t>(column / 3 + 8 * (row / 3))] + 128)
          << column << ", " << row;
    }
  }
}

}  // namespace
}  // namespace dct::cli
