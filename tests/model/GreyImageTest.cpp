#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <numeric>
#include <random>
#include <stdexcept>
#include <utility>
#include <vector>

#include "model/picture/BuiltinPicture.h"
#include "model/picture/GreyImage.h"
#include "model/picture/ImageBlocks.h"
#include "model/picture/PictureReducer.h"
#include "model/picture/ReducedPicture.h"

namespace dct {
namespace {

TEST(GreyLevelTest, WeighsAsJpegAndKeepsEveryGrey) {
  for (int v = 0; v <= 255; ++v) ASSERT_EQ(GreyLevel(v, v, v), v);
  const struct {
    int r, g, b, grey;
  } cases[] = {
      {255, 0, 0, 76},   // 76.245
      {0, 255, 0, 150},  // 149.685
      {0, 0, 255, 29},   // 29.07
      {1, 0, 1, 0},      // 0.413
      {2, 0, 0, 1},      // 0.598
      {300, -5, 0, 76},  // as 255, 0, 0
  };
  for (const auto& c : cases) EXPECT_EQ(GreyLevel(c.r, c.g, c.b), c.grey) << c.r;
}

// Each 16-bit sample goes to the level nearest v / 257 (v · 255 / 65535):
// |2v − 514·level| ≤ 257; the high byte alone would miss it for half of them.
TEST(GreyLevelTest, TakesSixteenBitSamplesToTheNearestLevel) {
  for (int v = 0; v <= 65535; ++v) {
    const int level = EightBitSample(static_cast<std::uint16_t>(v));
    ASSERT_LE(std::abs(2 * v - 514 * level), 257) << v;
  }
}

TEST(GreyImageTest, LaysTransparencyOverWhiteAndRefusesWrongSizes) {
  EXPECT_EQ(GreyOverWhite(0, 0, 0, 255), 0);
  EXPECT_EQ(GreyOverWhite(0, 0, 0, 0), 255);
  EXPECT_EQ(GreyOverWhite(0, 0, 0, 128), 127);  // 255 · 127 / 255
  EXPECT_EQ(GreyOverWhite(255, 0, 0, 255), 76);
  const auto image = GreyImage::Make(2, 2, {0, 255, 127, 76});
  ASSERT_TRUE(image);
  EXPECT_FALSE(GreyImage::Make(0, 0, {}));
  EXPECT_FALSE(GreyImage::Make(2, 2, {1, 2, 3}));
  EXPECT_FALSE(GreyImage::Make(-1, -4, {1, 2, 3, 4}));
  EXPECT_FALSE(GreyImage::Make(kImageSideMax + 1, 1, std::vector<std::uint8_t>(kImageSideMax + 1)));
  EXPECT_THROW((void)image->at(2, 0), std::out_of_range);
}

// A 10×9 picture, level x + 16·y: its right and bottom blocks are partial.
TEST(ImageBlocksTest, PadsPartialBlocksByRepeatingTheLastColumnAndRow) {
  std::vector<std::uint8_t> levels;
  for (int y = 0; y < 9; ++y) {
    for (int x = 0; x < 10; ++x) levels.push_back(static_cast<std::uint8_t>(x + 16 * y));
  }
  const GreyImage image = *GreyImage::Make(10, 9, levels);
  EXPECT_EQ(BlocksAcross(image), 2);
  EXPECT_EQ(BlocksDown(image), 2);
  const BlockLevels corner = *ImageBlock(image, 1, 1);
  for (int p = 0; p < kGridCount; ++p) {
    EXPECT_EQ(corner[static_cast<std::size_t>(p)], std::min(8 + p % 8, 9) + 16 * 8) << p;
  }
  EXPECT_EQ((*ImageBlock(image, 0, 0))[9], 1 + 16);
  for (const auto& [bx, by] : {std::pair{2, 0}, {0, 2}, {-1, 0}, {0, -1}}) {
    EXPECT_FALSE(ImageBlock(image, bx, by)) << bx << "," << by;
  }
}

// Sides within the limit are kept; larger ones are divided by the smallest
// whole factor that fits, each pixel the mean of its square (half up), the
// last square cut short by the edge.
TEST(ReducedPictureTest, DividesByTheSmallestWholeFactorThatFits) {
  const GreyImage fits = *GreyImage::Make(512, 1, std::vector<std::uint8_t>(512, 7));
  EXPECT_EQ(ReducedToFit(fits), fits);
  std::vector<std::uint8_t> levels(1030 * 2);
  for (std::size_t i = 0; i < levels.size(); ++i) levels[i] = static_cast<std::uint8_t>(i % 4);
  const GreyImage reduced = ReducedToFit(*GreyImage::Make(1030, 2, levels));
  EXPECT_EQ(reduced.width(), 344);  // a factor of 3: 1030 / 3 rounded up
  EXPECT_EQ(reduced.height(), 1);
  // 0,1,2 / 2,3,0 below it: 8/6 = 1.33; then 3,0,1 / 1,2,3: 10/6 = 1.67.
  EXPECT_EQ(reduced.at(0, 0), 1);
  EXPECT_EQ(reduced.at(1, 0), 2);
  // The last square holds the last column only: levels 1 and 3, a mean of 2.
  EXPECT_EQ(reduced.at(343, 0), 2);
}

// The reduction fed in any order gives what it gives row by row.
TEST(ReducedPictureTest, TakesThePixelsInAnyOrder) {
  std::mt19937 random(7);
  const int width = 1100, height = 37;
  std::vector<std::uint8_t> levels(static_cast<std::size_t>(width * height));
  for (auto& level : levels) level = static_cast<std::uint8_t>(random() % 256);
  std::vector<int> order(levels.size());
  std::iota(order.begin(), order.end(), 0);
  std::shuffle(order.begin(), order.end(), random);
  PictureReducer reducer(width, height, kLessonSideMax);
  for (const int i : order) reducer.add(i % width, i / width, levels[static_cast<std::size_t>(i)]);
  EXPECT_EQ(reducer.result(), ReducedToFit(*GreyImage::Make(width, height, levels)));
}

TEST(BuiltinPictureTest, IsThePhotographReduced) {
  const GreyImage& picture = BuiltinPicture();
  EXPECT_EQ(picture.width(), 256);
  EXPECT_EQ(picture.height(), 256);
  const auto& levels = picture.levels();
  EXPECT_EQ(std::accumulate(levels.begin(), levels.end(), 0L), 8466205);
  EXPECT_EQ(picture.at(0, 0), 200);
  EXPECT_EQ(picture.at(200, 5), 193);
  EXPECT_EQ(picture.at(128, 128), 12);
  EXPECT_EQ(picture.at(255, 255), 153);
}

}  // namespace
}  // namespace dct
