#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "model/jpeg/ZigZag.h"
#include "model/lesson/BlockMeasures.h"
#include "model/lesson/LessonBlock.h"
#include "model/picture/BuiltinPicture.h"
#include "model/picture/ImageBlocks.h"

namespace dct {
namespace {

TEST(JpegQuantisationTest, GivesTheWindowsUnitOfEachCoefficient) {
  const struct {
    int index;
    double unit;
  } cases[] = {
      {0, 0.125},                     // ¼ · (1/√2)²
      {1, 1 / (4 * std::sqrt(2.0))},  // F(1,0)
      {8, 1 / (4 * std::sqrt(2.0))},  // F(0,1)
      {9, 0.25},
      {63, 0.25},
  };
  for (const auto& c : cases) EXPECT_DOUBLE_EQ(WindowUnit(c.index), c.unit) << c.index;
}

// Along each anti-diagonal u + v = s, v rises where s is odd and falls where
// it is even.
TEST(ZigZagTest, WalksTheAntiDiagonalsAlternately) {
  int rank = 0;
  for (int s = 0; s < 2 * kGridSide - 1; ++s) {
    for (int k = 0; k < kGridSide; ++k) {
      const int v = s % 2 == 1 ? k : kGridSide - 1 - k;
      const int u = s - v;
      if (u < 0 || u >= kGridSide) continue;
      EXPECT_EQ(kZigZag[static_cast<std::size_t>(rank)], u + kGridSide * v) << "rank " << rank;
      EXPECT_EQ(kZigZagRank[static_cast<std::size_t>(u + kGridSide * v)], rank);
      ++rank;
    }
  }
  EXPECT_EQ(rank, kGridCount);
}

BlockLevels flat(int level) {
  BlockLevels block;
  block.fill(static_cast<std::uint8_t>(level));
  return block;
}

// A flat block has only F(0,0): JPEG's is 8 · (level − 128), the window's
// level − 128, limited to ±100. Quantised, the window gets JPEG's value
// times its step in the window's units, 1/8 of JPEG's.
TEST(LessonBlockTest, GivesAFlatBlockOnlyItsMean) {
  const struct {
    int level;
    Compression compression;
    int f00;
    int limited;
    Zeroed zeroed;
    int jpegLevel;
  } cases[] = {
      {128, {}, 0, 0, Zeroed::No, 128},
      {129, {}, 1, 0, Zeroed::No, 129},
      {255, {}, 100, 1, Zeroed::No, 255},
      {0, {}, -100, 1, Zeroed::No, 0},
      {28, {}, -100, 0, Zeroed::No, 28},
      {200, {50, 64}, 72, 0, Zeroed::No, 200},  // 576 / 16 = 36
      {133, {50, 64}, 6, 0, Zeroed::No, 134},   // 40 / 16 = 2.5 rounds away from 0
      {123, {50, 64}, -6, 0, Zeroed::No, 122},
      {136, {1, 64}, 0, 0, Zeroed::ByQuantisation, 128},  // 64 is below half of 255
      {200, {std::nullopt, 0}, 0, 0, Zeroed::ByKeeping, 128},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.level);
    const LessonBlock lesson = ComputeLessonBlock(flat(c.level), c.compression);
    for (int i = 1; i < kGridCount; ++i) EXPECT_EQ(lesson.Table.at(i), 0) << i;
    EXPECT_EQ(lesson.Table.at(0), c.f00);
    EXPECT_EQ(lesson.Limited, c.limited);
    EXPECT_EQ(lesson.Zeroes[0], c.zeroed);
    EXPECT_EQ(lesson.ZeroedCount, c.zeroed == Zeroed::No ? 0 : 1);
    EXPECT_EQ(lesson.JpegLevels, flat(c.jpegLevel));
    const WindowBlock window = CompareWindowBlock(flat(c.level), lesson.Table);
    EXPECT_EQ(window.Shown, flat(c.f00 + 128));
    EXPECT_EQ(window.MaxDifference, std::abs(c.level - 128 - c.f00));
    EXPECT_EQ(window.Psnr.has_value(), window.MaxDifference > 0);
  }
}

// Every block of the picture. JPEG at quality 100 zeroes nothing and loses
// no more than the window does with nothing compressed, which can only add
// its whole numbers and its ±100; the window's table at a quality is JPEG's
// values in its units, within half a unit; and with nothing compressed the
// window gives the block back within 6 levels where nothing was limited.
TEST(LessonBlockTest, CompressesEveryBlockOfThePicture) {
  const GreyImage& picture = BuiltinPicture();
  const Compression compressions[] = {{100, 64}, {50, 64}, {10, 64}, {std::nullopt, 6}, {75, 10}};
  int worst = 0;
  for (int by = 0; by < BlocksDown(picture); ++by) {
    for (int bx = 0; bx < BlocksAcross(picture); ++bx) {
      SCOPED_TRACE(testing::Message() << "block " << bx << "," << by);
      const BlockLevels levels = *ImageBlock(picture, bx, by);
      const LessonBlock own = ComputeLessonBlock(levels, {});
      const WindowBlock window = CompareWindowBlock(levels, own.Table);
      if (own.Limited == 0) worst = std::max(worst, window.MaxDifference);
      for (const Compression& compression : compressions) {
        const LessonBlock lesson = ComputeLessonBlock(levels, compression);
        int zeroes = 0;
        for (std::size_t i = 0; i < kGridCount; ++i) {
          if (kZigZagRank[i] >= compression.Kept) {
            ASSERT_EQ(lesson.Quantised[i], 0) << i;
          }
          zeroes += lesson.Zeroes[i] != Zeroed::No;
          if (!lesson.Steps) continue;
          const double jpeg = lesson.Quantised[i] * (*lesson.Steps)[i];
          const double inUnits = std::clamp(jpeg * WindowUnit(static_cast<int>(i)), -100.0, 100.0);
          ASSERT_LE(std::abs(lesson.Table.at(static_cast<int>(i)) - inUnits), 0.5) << i;
        }
        ASSERT_EQ(lesson.ZeroedCount, zeroes);
        if (compression == Compression{100, 64}) {
          ASSERT_EQ(lesson.ZeroedCount, 0);
          ASSERT_GE(Psnr(levels, lesson.JpegLevels).value_or(1e9), window.Psnr.value_or(1e9));
        }
      }
    }
  }
  EXPECT_EQ(worst, 6);
}

TEST(BlockMeasuresTest, MeasureAndPictureTheDifference) {
  const struct {
    int a;
    int b;
    int pixels;  // how many pixels differ, the others being equal
    double psnr;
    int grey;  // the difference picture at a pixel that differs: the largest
  } cases[] = {
      {100, 101, 64, 20 * std::log10(255.0), 255},
      {101, 100, 64, 20 * std::log10(255.0), 1},
      {100, 116, 4, 10 * std::log10(255.0 * 255.0 / 16), 255},
      {255, 0, 1, 10 * std::log10(64.0), 1},
  };
  for (const auto& c : cases) {
    BlockLevels a = flat(c.a);
    BlockLevels b = a;
    std::fill_n(b.begin(), c.pixels, static_cast<std::uint8_t>(c.b));
    EXPECT_EQ(MaxDifference(a, b), std::abs(c.a - c.b));
    EXPECT_NEAR(*Psnr(a, b), c.psnr, 1e-12);
    const ScaledDifference picture = DifferencePicture(a, b);
    EXPECT_EQ(picture.Largest, std::abs(c.a - c.b));
    EXPECT_EQ(picture.Greys[0], c.grey);
    EXPECT_EQ(picture.Greys[63], c.pixels == 64 ? c.grey : 128);
  }
  EXPECT_EQ(Psnr(flat(7), flat(7)), std::nullopt);
  // Scaled to the largest: half of it is half way to white or black.
  BlockLevels b = flat(100);
  b[0] = 110;
  b[1] = 95;
  EXPECT_EQ(DifferencePicture(flat(100), b).Greys[1], 128 - 64);  // 63.5, away from zero
  EXPECT_EQ(DifferencePicture(flat(7), flat(7)).Greys, flat(128));
}

}  // namespace
}  // namespace dct
