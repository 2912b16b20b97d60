#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli/BasisSheet.h"
#include "cli/DctBlockTool.h"
#include "model/CosineFactors.h"
#include "model/lesson/BasisPatterns.h"
#include "tests/cli/TempFolder.h"

namespace dct::cli {
namespace {

// Draws the sheet as the tool does, into a file, and reads the file back
// with Qt's reader.
QImage DrawnSheet(const test::TempFolder& folder, std::vector<std::string> options) {
  const std::string path = folder.file("sheet.png");
  std::vector<std::string_view> args{"--basis-sheet", path};
  args.insert(args.end(), options.begin(), options.end());
  std::istringstream in;
  std::ostringstream out, err;
  const int status = RunDctBlock(args, in, out, err);
  EXPECT_EQ(status, kExitSuccess) << err.str();
  EXPECT_EQ(out.str(), "");
  const QImage image(QString::fromStdString(path), "PNG");
  EXPECT_FALSE(image.isNull()) << path;
  // Compressed: the sheet is mostly areas of one grey, even at scale 1.
  EXPECT_LT(test::ReadBytes(path).size() * 2, image.sizeInBytes());
  return image;
}

int Sample(const QImage& image, int column, int row) { return image.constScanLine(row)[column]; }

// Where pixel (x, y) of block (u, v) begins on a sheet of the given scale.
int Start(int block, int pixel, int scale) {
  return kSheetLineWidth + block * (kGridSide * scale + kSheetLineWidth) + pixel * scale;
}

struct SheetPixelCase {
  const char* name;
  std::vector<std::string> options;
  int scale;
  int u, v, x, y;
  int level;  // the window's pixel value + 128
  friend void PrintTo(const SheetPixelCase& c, std::ostream* os) { *os << c.name; }
};

class BasisSheetPixelTest : public testing::TestWithParam<SheetPixelCase> {};

// The values are the window's, worked out once for single coefficients.
TEST_P(BasisSheetPixelTest, IsAnNByNSquareOfTheWindowsGrey) {
  const SheetPixelCase& c = GetParam();
  test::TempFolder folder;
  const QImage sheet = DrawnSheet(folder, c.options);
  ASSERT_EQ(sheet.format(), QImage::Format_Grayscale8);
  const int side = kGridSide * kGridSide * c.scale + (kGridSide + 1) * kSheetLineWidth;
  ASSERT_EQ(sheet.width(), side);
  ASSERT_EQ(sheet.height(), side);

  const int left = Start(c.u, c.x, c.scale), top = Start(c.v, c.y, c.scale);
  EXPECT_EQ(Sample(sheet, left, top), c.level);
  EXPECT_EQ(Sample(sheet, left + c.scale - 1, top + c.scale - 1), c.level);
  // The lines left of and above the block, in black, which no pixel of the
  // window is.
  EXPECT_EQ(Sample(sheet, Start(c.u, 0, c.scale) - 1, top), dct::kSheetLineLevel);
  EXPECT_EQ(Sample(sheet, left, Start(c.v, 0, c.scale) - kSheetLineWidth), dct::kSheetLineLevel);
}

INSTANTIATE_TEST_SUITE_P(
    Places, BasisSheetPixelTest,
    testing::Values(
        SheetPixelCase{"constant_block", {}, 8, 0, 0, 5, 6, 228},
        // F(1, 0) = 100: every row reads 98, 83, 55, 19, -20, -56, -84, -99.
        SheetPixelCase{"across_is_u", {}, 8, 1, 0, 0, 3, 226},
        SheetPixelCase{"down_is_v", {}, 8, 0, 1, 3, 7, 29},
        // F(4, 4) = 100: the top row reads 50, -50, -51, 49, 50, -50, -51, 49.
        SheetPixelCase{"pi_as_the_window_has_it", {"--scale", "3"}, 3, 4, 4, 2, 0, 77},
        // F(7, 7) = 100: 100 · cos²(7·15π/16) is 3.8 at the bottom right.
        SheetPixelCase{"last_block", {"--scale=1"}, 1, 7, 7, 7, 7, 131},
        SheetPixelCase{"negative_value", {"--value", "-100"}, 8, 0, 0, 7, 7, 28},
        // F(1, 0) = 1: 0.98 rounds down to 0, -0.2 to -1.
        SheetPixelCase{"rounded_down", {"--value=1", "--scale", "2"}, 2, 1, 0, 4, 5, 127},
        SheetPixelCase{"clipped_low", {"--value", "-32768", "--scale", "32"}, 32, 0, 0, 7, 7, 1}),
    [](const testing::TestParamInfo<SheetPixelCase>& info) {
      return std::string(info.param.name);
    });

}  // namespace
}  // namespace dct::cli
