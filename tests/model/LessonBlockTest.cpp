#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "BlockMeasures.h"
#include "BuiltinPicture.h"
#include "ImageBlocks.h"
#include "LessonBlock.h"
#include "ZigZag.h"

namespace dct {
namespace {

// The standard table with each step made another.
template <class Step>
StepTable each(Step step) {
  StepTable table = kJpegLuminanceTable;
  for (int& entry : table) entry = step(entry);
  return table;
}

// The tables that libjpeg-turbo writes into JPEG files at each quality (read
// back with Pillow), by index 8·v + u: all 255 at quality 1, twice the
// standard at 25, half of it rounded up at 75, all 1 at 100.
TEST(JpegQuantisationTest, ScalesTheStandardTableAsTheReferenceLibrary) {
  const struct {
    int quality;
    StepTable expected;
  } cases[] = {
      {0, each([](int) { return 255; })},
      {1, each([](int) { return 255; })},
      {10, {80,  55,  50,  80,  120, 200, 255, 255, 60,  60,  70,  95,  130, 255, 255, 255,
            70,  65,  80,  120, 200, 255, 255, 255, 70,  85,  110, 145, 255, 255, 255, 255,
            90,  110, 185, 255, 255, 255, 255, 255, 120, 175, 255, 255, 255, 255, 255, 255,
            245, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255}},
      {25, each([](int base) { return 2 * base; })},
      {50, kJpegLuminanceTable},
      {75, each([](int base) { return (base + 1) / 2; })},
      {90, {3,  2,  2,  3,  5,  8,  10, 12, 2,  2,  3,  4,  5,  12, 12, 11, 3,  3,  3,  5, 8,  11,
            14, 11, 3,  3,  4,  6,  10, 17, 16, 12, 4,  4,  7,  11, 14, 22, 21, 15, 5,  7, 11, 13,
            16, 21, 23, 18, 10, 13, 16, 17, 21, 24, 24, 20, 14, 18, 19, 20, 22, 20, 21, 20}},
      {100, each([](int) { return 1; })},
      {101, each([](int) { return 1; })},
  };
  for (const auto& c : cases) EXPECT_EQ(ScaledJpegTable(c.quality), c.expected) << c.quality;
}

TEST(JpegQuantisationTest, GivesTheStepsInTheWindowsUnits) {
  const struct {
    int quality;
    int index;
    double step;
  } cases[] = {
      {50, 0, 2.0},                        // 16 / 8
      {50, 1, 11 / (4 * std::sqrt(2.0))},  // F(1,0): K.1's row 0, column 1
      {50, 8, 12 / (4 * std::sqrt(2.0))},  // F(0,1): row 1, column 0
      {100, 63, 0.25},
  };
  for (const auto& c : cases) {
    EXPECT_DOUBLE_EQ(WindowSteps(c.quality)[static_cast<std::size_t>(c.index)], c.step)
        << c.quality << " " << c.index;
  }
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

// A flat block has only F(0,0), level − 128, limited to ±100.
TEST(LessonBlockTest, GivesAFlatBlockOnlyItsMean) {
  const struct {
    int level;
    Compression compression;
    int f00;
    int limited;
    Zeroed zeroed;
  } cases[] = {
      {128, {}, 0, 0, Zeroed::No},
      {129, {}, 1, 0, Zeroed::No},
      {255, {}, 100, 1, Zeroed::No},
      {0, {}, -100, 1, Zeroed::No},
      {28, {}, -100, 0, Zeroed::No},
      {200, {50, 64}, 72, 0, Zeroed::No},
      {133, {50, 64}, 6, 0, Zeroed::No},  // 5 / 2 rounds away from 0
      {123, {50, 64}, -6, 0, Zeroed::No},
      {136, {1, 64}, 0, 0, Zeroed::ByQuantisation},  // 8 is below half of 255 / 8
      {200, {std::nullopt, 0}, 0, 0, Zeroed::ByKeeping},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.level);
    const LessonBlock lesson = ComputeLessonBlock(flat(c.level), c.compression);
    EXPECT_NEAR(lesson.Real[0], c.level - 128, 1e-12);
    for (int i = 1; i < kGridCount; ++i) EXPECT_EQ(lesson.Table.at(i), 0) << i;
    EXPECT_EQ(lesson.Table.at(0), c.f00);
    EXPECT_EQ(lesson.Limited, c.limited);
    EXPECT_EQ(lesson.Zeroes[0], c.zeroed);
    EXPECT_EQ(lesson.ZeroedCount, c.zeroed == Zeroed::No ? 0 : 1);
    const WindowBlock window = CompareWindowBlock(flat(c.level), lesson.Table);
    EXPECT_EQ(window.Shown, flat(c.f00 + 128));
    EXPECT_EQ(window.MaxDifference, std::abs(c.level - 128 - c.f00));
    EXPECT_EQ(window.Psnr.has_value(), window.MaxDifference > 0);
  }
}

// Every block of the picture, as it is and compressed: each coefficient lies
// on its step's grid within half a step of the real one, none beyond the
// first Kept survives, every coefficient lost is counted with its cause, and
// the uncompressed table gives the block back within a few levels.
TEST(LessonBlockTest, CompressesEveryBlockOfThePicture) {
  const GreyImage& picture = BuiltinPicture();
  const Compression compressions[] = {{},       {100, 64},         {50, 64},
                                      {10, 64}, {std::nullopt, 6}, {75, 10}};
  int worst = 0;
  for (int by = 0; by < BlocksDown(picture); ++by) {
    for (int bx = 0; bx < BlocksAcross(picture); ++bx) {
      const BlockLevels levels = *ImageBlock(picture, bx, by);
      for (const Compression& compression : compressions) {
        const LessonBlock lesson = ComputeLessonBlock(levels, compression);
        int zeroes = 0;
        for (std::size_t i = 0; i < kGridCount; ++i) {
          const double step = lesson.Steps ? (*lesson.Steps)[i] : 0.0;
          const double value = lesson.Compressed[i];
          if (kZigZagRank[i] >= compression.Kept) {
            ASSERT_EQ(value, 0.0);
          } else {
            ASSERT_LE(std::abs(value - lesson.Real[i]), step / 2 + 1e-9);
            if (step > 0) {
              ASSERT_NEAR(std::remainder(value, step), 0.0, 1e-12);
            }
          }
          const bool lost =
              lesson.Table.at(static_cast<int>(i)) == 0 && std::abs(lesson.Real[i]) > 0.5;
          ASSERT_EQ(lesson.Zeroes[i] != Zeroed::No, lost) << bx << "," << by << " " << i;
          zeroes += lost ? 1 : 0;
        }
        ASSERT_EQ(lesson.ZeroedCount, zeroes);
        if (!compression.Quality && compression.Kept == kGridCount && lesson.Limited == 0)
          worst = std::max(worst, CompareWindowBlock(levels, lesson.Table).MaxDifference);
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
    Rgb grey;  // the difference picture at a pixel that differs
  } cases[] = {
      {100, 101, 64, 20 * std::log10(255.0), 0x909090},
      {101, 100, 64, 20 * std::log10(255.0), 0x707070},
      {100, 116, 4, 10 * std::log10(255.0 * 255.0 / 16), 0xFFFFFF},
      {255, 0, 1, 10 * std::log10(64.0), 0x010101},
  };
  for (const auto& c : cases) {
    BlockLevels a = flat(c.a);
    BlockLevels b = a;
    std::fill_n(b.begin(), c.pixels, static_cast<std::uint8_t>(c.b));
    EXPECT_EQ(MaxDifference(a, b), std::abs(c.a - c.b));
    EXPECT_NEAR(*Psnr(a, b), c.psnr, 1e-12);
    const auto picture = DifferencePicture(a, b);
    EXPECT_EQ(picture[0], c.grey);
    EXPECT_EQ(picture[63], c.pixels == 64 ? c.grey : 0x808080);
  }
  EXPECT_EQ(Psnr(flat(7), flat(7)), std::nullopt);
}

}  // namespace
}  // namespace dct
