// dct-block --image on the lesson's own picture, through the tool's entry
// point: what it prints is what the lesson computes. (The window's tests
// check the table and the pixels for 200 blocks against the program itself.)
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <optional>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "cli/DctBlockTool.h"
#include "model/lesson/BlockMeasures.h"
#include "model/lesson/LessonBlock.h"
#include "model/picture/BuiltinPicture.h"
#include "model/picture/ImageBlocks.h"

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

// For a few blocks, everything printed is what the lesson holds.
TEST(PictureBlockTest, PrintsWhatTheLessonComputes) {
  for (const auto& [x, y, quality, keep] :
       {std::tuple{10, 12, std::optional<int>(50), 10}, std::tuple{0, 0, std::optional<int>(), 64},
        std::tuple{31, 31, std::optional<int>(1), 64},
        std::tuple{17, 5, std::optional<int>(90), 1}}) {
    const BlockLevels original = *ImageBlock(BuiltinPicture(), x, y);
    const LessonBlock lesson = ComputeLessonBlock(original, Compression{quality, keep});
    const WindowBlock window = CompareWindowBlock(original, lesson.Table);
    const nlohmann::json printed = RunOnBuiltin(x, y, quality, keep);

    EXPECT_EQ(TableOf(printed), lesson.Table) << x << ',' << y;
    EXPECT_EQ(printed["max_difference"], window.MaxDifference);
    EXPECT_EQ(printed["limited"], lesson.Limited);
    EXPECT_EQ(printed["jpeg"]["zeroed"], lesson.ZeroedCount);
    EXPECT_EQ(printed["jpeg"]["levels"], lesson.JpegLevels);
    EXPECT_EQ(printed["jpeg"]["max_difference"], MaxDifference(original, lesson.JpegLevels));
    if (window.Psnr) {
      EXPECT_NEAR(printed["psnr"].get<double>(), *window.Psnr, 0.005);
    } else {
      EXPECT_TRUE(printed["psnr"].is_null());
    }
  }
}

}  // namespace
}  // namespace dct::cli
