// dct-block --image on the lesson's own picture, through the tool's entry
// point, against references of the tests' own: JPEG's block as its formulas
// make it (tests/model/JpegLiteral.h), the window's pixels as its sum reads
// literally (tests/model/LiteralSums.h), and the measures as their
// definitions say.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <nlohmann/json.hpp>
#include <optional>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "cli/DctBlockTool.h"
#include "model/picture/BuiltinPicture.h"
#include "model/picture/ImageBlocks.h"
#include "tests/model/JpegLiteral.h"
#include "tests/model/LiteralSums.h"

namespace dct::cli {
namespace {

nlohmann::json RunOnBuiltin(int x, int y, std::optional<int> quality, int keep) {
  std::vector<std::string> words{"--image",
                                 "-builtin-",
                                 "--json",
                                 "--keep",
                                 std::to_string(keep),
                                 "--block",
                                 std::to_string(x) + "," + std::to_string(y)};
  if (quality) words.insert(words.end(), {"--quality", std::to_string(*quality)});
  const std::vector<std::string_view> args(words.begin(), words.end());
  std::istringstream in;
  std::ostringstream out, err;
  EXPECT_EQ(RunDctBlock(args, in, out, err), 0) << err.str();
  return nlohmann::json::parse(out.str());
}

// The largest difference and the PSNR of 64 levels against the original's,
// as defined: 10·log10(255² / mean squared difference); none when equal.
std::pair<int, std::optional<double>> measures(const BlockLevels& original,
                                               const std::vector<int>& levels) {
  int largest = 0;
  double squares = 0;
  for (std::size_t p = 0; p < original.size(); ++p) {
    const int difference = levels[p] - original[p];
    largest = std::max(largest, std::abs(difference));
    squares += difference * difference;
  }
  if (squares == 0) return {0, std::nullopt};
  return {largest, 10 * std::log10(255.0 * 255.0 / (squares / kGridCount))};
}

void expectMeasures(const nlohmann::json& printed, const BlockLevels& original,
                    const std::vector<int>& levels) {
  const auto [largest, psnr] = measures(original, levels);
  EXPECT_EQ(printed["max_difference"], largest);
  if (psnr) {
    EXPECT_NEAR(printed["psnr"].get<double>(), *psnr, 0.005);
  } else {
    EXPECT_TRUE(printed["psnr"].is_null());
  }
}

TEST(PictureBlockTest, PrintsTheBlocksThatTheFormulasMake) {
  for (const auto& [x, y, quality, keep] :
       {std::tuple{10, 12, std::optional<int>(50), 10}, std::tuple{0, 0, std::optional<int>(), 64},
        std::tuple{31, 31, std::optional<int>(1), 64},
        std::tuple{17, 5, std::optional<int>(90), 1}}) {
    SCOPED_TRACE(testing::Message() << x << ',' << y);
    const BlockLevels original = *ImageBlock(BuiltinPicture(), x, y);
    const nlohmann::json printed = RunOnBuiltin(x, y, quality, keep);

    // JPEG's block, and what compression made 0 of what was not.
    const BlockLevels jpeg = LiteralJpegBlock(original, quality, keep);
    EXPECT_EQ(printed["jpeg"]["levels"], std::vector<int>(jpeg.begin(), jpeg.end()));
    expectMeasures(printed["jpeg"], original, std::vector<int>(jpeg.begin(), jpeg.end()));
    const LiteralCoefficients real = literalForward(original);
    const QuantisedBlock all = literalQuantise(real, LiteralSteps(quality), kGridCount);
    int zeroed = 0;
    for (int i = 0; i < kGridCount; ++i) {
      zeroed += std::round(real[i]) != 0 && ((quality && all[i] == 0) || !LiteralKept(i, keep));
    }
    EXPECT_EQ(printed["jpeg"]["zeroed"], zeroed);

    // The window's table: each coefficient JPEG's, quantised or not, in the
    // window's units (within half a step, half a unit for whole numbers and
    // a hair for the window's π), limited to ±100, those not kept 0.
    CoefTable table;
    int limited = 0;
    for (int i = 0; i < kGridCount; ++i) {
      const int value = printed["coefficients"][static_cast<std::size_t>(i)].get<int>();
      table.set(i, static_cast<std::int16_t>(value));
      const double unit = (i % 8 == 0 ? M_SQRT1_2 : 1.0) * (i / 8 == 0 ? M_SQRT1_2 : 1.0) / 4;
      const double own = static_cast<double>(real[i]) * unit;
      limited +=
          std::abs(std::round(quality ? all[i] * LiteralSteps(quality)[i] * unit : own)) > 100 &&
          LiteralKept(i, keep);
      if (!LiteralKept(i, keep)) {
        EXPECT_EQ(value, 0) << i;
      } else {
        const double step = quality ? LiteralSteps(quality)[i] * unit : 0;
        EXPECT_LE(std::abs(value - std::clamp(own, -100.0, 100.0)), step / 2 + 0.5 + 0.01) << i;
      }
    }
    EXPECT_EQ(printed["limited"], limited);
    // The window's pixels of that table, and how far they are from the block.
    const PixelBlock window = ReconstructBlockLiteral(table);
    const std::vector<int> pixels(window.Pixel.begin(), window.Pixel.end());
    EXPECT_EQ(printed["pixels"], pixels);
    std::vector<int> levels;
    for (const int pixel : pixels) levels.push_back(pixel + 128);
    expectMeasures(printed, original, levels);
  }
}

}  // namespace
}  // namespace dct::cli
