// dct-block --image on the lesson's own picture, through the tool's entry
// point: what it prints must hang together, and be what the lesson computes.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "BuiltinPicture.h"
#include "DctBlockTool.h"
#include "ImageBlocks.h"
#include "LessonBlock.h"
#include "ReconstructBlock.h"

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

CoefTable TableOf(const nlohmann::json& printed) {
  CoefTable table;
  for (int i = 0; i < kGridCount; ++i) {
    table.set(i, printed["coefficients"][static_cast<std::size_t>(i)].get<std::int16_t>());
  }
  return table;
}

const std::optional<int> kQualities[] = {std::nullopt, 1, 10, 50, 75, 90, 100};
const int kKeeps[] = {64, 10, 1};

// The pixels printed are the block that the printed table makes in the window.
TEST(PictureBlockTest, PrintsThePixelsThatItsTableMakes) {
  std::mt19937 random(20240611);
  std::uniform_int_distribution<int> block(0, 31), quality(0, 6), keep(0, 2);
  for (int run = 0; run < 200; ++run) {
    const int x = block(random), y = block(random);
    const std::optional<int> q = kQualities[quality(random)];
    const int kept = kKeeps[keep(random)];
    const nlohmann::json printed = RunOnBuiltin(x, y, q, kept);

    const PixelBlock made = ReconstructBlock(TableOf(printed));
    ASSERT_EQ(printed["pixels"], made.Pixel)
        << x << ',' << y << " q" << q.value_or(0) << " k" << kept;
    ASSERT_EQ(printed["clipped"], made.Clipped);
  }
}

// For a few blocks, everything printed is what the lesson holds.
TEST(PictureBlockTest, PrintsWhatTheLessonComputes) {
  for (const auto& [x, y, quality, keep] :
       {std::tuple{10, 12, std::optional<int>(50), 10}, std::tuple{0, 0, std::optional<int>(), 64},
        std::tuple{31, 31, std::optional<int>(1), 64},
        std::tuple{17, 5, std::optional<int>(90), 1}}) {
    const LessonBlock lesson =
        ComputeLessonBlock(*ImageBlock(BuiltinPicture(), x, y), Compression{quality, keep});
    const nlohmann::json printed = RunOnBuiltin(x, y, quality, keep);

    EXPECT_EQ(TableOf(printed), lesson.Table) << x << ',' << y;
    EXPECT_EQ(printed["max_difference"], lesson.MaxDifference);
    EXPECT_EQ(printed["limited"], lesson.Limited);
    EXPECT_EQ(printed["zeroed"], lesson.ZeroedCount);
    if (lesson.Psnr) {
      EXPECT_NEAR(printed["psnr"].get<double>(), *lesson.Psnr, 0.005);
    } else {
      EXPECT_TRUE(printed["psnr"].is_null());
    }
  }
}

}  // namespace
}  // namespace dct::cli
