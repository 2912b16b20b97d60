// JPEG's block arithmetic against its formulas read literally, pixel by pixel
// in long double with the platform's cosine and the true π, with the
// standard's own tables and halves rounded by the documented rule: whatever
// the build, the same levels.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <random>
#include <stdexcept>

#include "model/jpeg/JpegBlockCode.h"
#include "model/jpeg/JpegFile.h"
#include "model/jpeg/JpegPicture.h"
#include "model/jpeg/ZigZag.h"
#include "model/lesson/LessonBlock.h"
#include "model/picture/BuiltinPicture.h"
#include "model/picture/ImageBlocks.h"
#include "tests/model/JpegLiteral.h"
#include "tests/model/JpegTestPictures.h"

namespace dct {
namespace {

struct Setting {
  std::optional<int> Quality;
  int Kept;
  std::optional<StepTable> steps() const {
    return Quality ? std::optional(ScaledJpegTable(*Quality)) : std::nullopt;
  }
};

constexpr Setting kSettings[] = {
    {1, 64},  {1, 10},  {7, 64},   {7, 10},   {10, 64},           {10, 10},
    {25, 64}, {25, 10}, {50, 64},  {50, 10},  {75, 64},           {75, 10},
    {90, 64}, {90, 10}, {100, 64}, {100, 10}, {std::nullopt, 64}, {std::nullopt, 10},
};

// 200 seeded blocks of the built-in picture in every setting: the forward
// transform within 1e-9 of the formula's and quantised alike, and the block
// decoded as the formula decodes it, by the codec and by the lesson. Quality 7 leaves pixels that
// are exact halves, which must round up on every build.
TEST(JpegLiteralTest, BlocksFollowTheFormulas) {
  const GreyImage& picture = BuiltinPicture();
  std::mt19937 generator(8128);
  std::uniform_int_distribution<int> across(0, BlocksAcross(picture) - 1);
  std::uniform_int_distribution<int> down(0, BlocksDown(picture) - 1);
  int halvesAtQuality7 = 0;
  for (int n = 0; n < 200; ++n) {
    const int bx = across(generator);
    const int by = down(generator);
    SCOPED_TRACE(testing::Message() << "block " << bx << "," << by);
    const BlockLevels levels = *ImageBlock(picture, bx, by);
    const JpegCoefficients real = JpegForward(levels);
    const LiteralCoefficients literal = literalForward(levels);
    for (int i = 0; i < kGridCount; ++i)
      ASSERT_NEAR(real[i], static_cast<double>(literal[i]), 1e-9) << i;
    for (const Setting& setting : kSettings) {
      SCOPED_TRACE(testing::Message()
                   << "quality " << setting.Quality.value_or(0) << ", kept " << setting.Kept);
      const auto steps = setting.steps();
      const QuantisedBlock block =
          JpegQuantise(real, steps.value_or(ScaledJpegTable(100)), setting.Kept);
      const StepTable literalSteps = LiteralSteps(setting.Quality);
      ASSERT_EQ(block, literalQuantise(literal, literalSteps, setting.Kept));
      const BlockLevels decoded =
          JpegInverse(steps ? JpegDequantise(block, *steps) : KeepFirst(real, setting.Kept));
      const LiteralLevels expected = literalInverse(decoderInput(
          literal, block, steps ? std::optional(literalSteps) : std::nullopt, setting.Kept));
      ASSERT_EQ(decoded, expected.Levels);
      // The lesson's "JPEG" block is that block, as the formulas alone make it.
      ASSERT_EQ(ComputeLessonBlock(levels, {setting.Quality, setting.Kept}).JpegLevels,
                LiteralJpegBlock(levels, setting.Quality, setting.Kept));
      if (setting.Quality == 7) halvesAtQuality7 += expected.Halves;
    }
  }
  EXPECT_GT(halvesAtQuality7, 0) << "no exact half was tested";
}

// The model's table for every quality, and beyond, is the standard's.
TEST(JpegLiteralTest, StepsAreTheStandardTableScaled) {
  for (int quality = 0; quality <= 101; ++quality) {
    ASSERT_EQ(ScaledJpegTable(quality), LiteralSteps(quality)) << quality;
  }
}

BlockLevels flat(int level) {
  BlockLevels block;
  block.fill(static_cast<std::uint8_t>(level));
  return block;
}

BlockLevels checkerboard() {
  BlockLevels block{};
  for (int p = 0; p < kGridCount; ++p) block[p] = (p / kGridSide + p) % 2 == 0 ? 0 : 255;
  return block;
}

// With nothing quantised and all 64 kept, the inverse of the forward
// transform is the identity: every block of the built-in picture, and the
// extremes, come back exactly, also as the lesson's "JPEG" block.
TEST(JpegLiteralTest, GivesEveryBlockBackUnquantised) {
  const GreyImage& picture = BuiltinPicture();
  std::vector<BlockLevels> blocks{flat(0), flat(255), checkerboard()};
  for (int by = 0; by < BlocksDown(picture); ++by) {
    for (int bx = 0; bx < BlocksAcross(picture); ++bx)
      blocks.push_back(*ImageBlock(picture, bx, by));
  }
  for (std::size_t b = 0; b < blocks.size(); ++b) {
    ASSERT_EQ(JpegInverse(KeepFirst(JpegForward(blocks[b]), kGridCount)), blocks[b]) << b;
    ASSERT_EQ(ComputeLessonBlock(blocks[b], {}).JpegLevels, blocks[b]) << b;
  }
}

// The whole picture, edge blocks filled and cropped, quantised and decoded
// as the formulas do it block by block.
TEST(JpegLiteralTest, PictureFollowsTheFormulas) {
  const struct {
    GreyImage picture;
    Setting setting;
  } cases[] = {
      {BuiltinPicture(), {7, 64}},
      {SeededPicture(37, 21, 40, 11), {std::nullopt, 10}},
      {SeededPicture(37, 21, 40, 11), {std::nullopt, 64}},
      {SeededPicture(37, 21, 40, 11), {50, 64}},
      {SeededPicture(1, 1, 0, 12), {90, 1}},
      {SeededPicture(9, 17, 128, 13), {25, 10}},
  };
  for (const auto& c : cases) {
    const GreyImage& picture = c.picture;
    SCOPED_TRACE(testing::Message()
                 << picture.width() << "x" << picture.height() << ", quality "
                 << c.setting.Quality.value_or(0) << ", kept " << c.setting.Kept);
    const auto steps = c.setting.steps();
    const JpegCompressed compressed = JpegPicture(picture).Compress({steps, c.setting.Kept});
    const int across = (picture.width() + 7) / 8;
    const int down = (picture.height() + 7) / 8;
    ASSERT_EQ(compressed.Blocks.size(), static_cast<std::size_t>(across * down));
    ASSERT_EQ(compressed.Decoded.width(), picture.width());
    ASSERT_EQ(compressed.Decoded.height(), picture.height());
    EXPECT_EQ(compressed.Steps, LiteralSteps(c.setting.Quality));
    for (int by = 0; by < down; ++by) {
      for (int bx = 0; bx < across; ++bx) {
        BlockLevels levels{};
        for (int p = 0; p < kGridCount; ++p) {
          levels[p] = picture.at(std::min(bx * 8 + p % 8, picture.width() - 1),
                                 std::min(by * 8 + p / 8, picture.height() - 1));
        }
        const LiteralCoefficients literal = literalForward(levels);
        const QuantisedBlock block =
            literalQuantise(literal, LiteralSteps(c.setting.Quality), c.setting.Kept);
        ASSERT_EQ(compressed.Blocks[by * across + bx], block) << bx << "," << by;
        const std::optional<StepTable> literalSteps =
            steps ? std::optional(LiteralSteps(c.setting.Quality)) : std::nullopt;
        const BlockLevels expected =
            literalInverse(decoderInput(literal, block, literalSteps, c.setting.Kept)).Levels;
        for (int p = 0; p < kGridCount; ++p) {
          const int x = bx * 8 + p % 8;
          const int y = by * 8 + p / 8;
          if (x < picture.width() && y < picture.height()) {
            ASSERT_EQ(compressed.Decoded.at(x, y), expected[p]) << x << "," << y;
          }
        }
      }
    }
  }
}

// Input the arithmetic cannot take gets an error, or a sound value where one
// exists, never undefined behaviour.
TEST(JpegLiteralTest, RefusesWhatJpegCannotHold) {
  StepTable zeroStep = ScaledJpegTable(50);
  zeroStep[5] = 0;
  StepTable wideStep = ScaledJpegTable(50);
  wideStep[5] = 256;
  const JpegCoefficients none{};
  for (const StepTable& steps : {zeroStep, wideStep}) {
    EXPECT_THROW(JpegQuantise(none, steps, 64), std::invalid_argument);
    EXPECT_THROW(JpegPicture(SeededPicture(8, 8, 0, 1)).Compress({steps, 64}),
                 std::invalid_argument);
  }
  const QuantisedBlock one{};
  EXPECT_THROW(JpegFileBytes(9, 8, ScaledJpegTable(50), {&one, 1}), std::invalid_argument);
  EXPECT_THROW(JpegFileBytes(0, 8, ScaledJpegTable(50), {}), std::invalid_argument);

  const struct {
    int dc;
    std::int16_t previousDc;
    int ac;
    bool codable;
  } blocks[] = {
      {1016, -1024, 1023, true},  // the widest that 8-bit levels give
      {1024, -1024, 0, false},    // a DC difference of 12 bits
      {0, 0, 1024, false},        // an AC value of 11 bits
      {0, 0, -1024, false},
  };
  for (const auto& b : blocks) {
    QuantisedBlock block{};
    block[0] = static_cast<std::int16_t>(b.dc);
    block[63] = static_cast<std::int16_t>(b.ac);
    if (b.codable) {
      EXPECT_NO_THROW(CodeJpegBlock(block, b.previousDc));
    } else {
      EXPECT_THROW(CodeJpegBlock(block, b.previousDc), std::invalid_argument);
    }
  }

  JpegCoefficients odd{};
  odd[0] = std::numeric_limits<double>::quiet_NaN();
  odd[1] = 1e300;
  odd[2] = -1e300;
  const QuantisedBlock limited = JpegQuantise(odd, ScaledJpegTable(100), 64);
  EXPECT_EQ(limited[0], 0);
  EXPECT_EQ(limited[1], std::numeric_limits<std::int16_t>::max());
  EXPECT_EQ(limited[2], std::numeric_limits<std::int16_t>::min());
  EXPECT_EQ(JpegInverse(odd), flat(0));
}

}  // namespace
}  // namespace dct
