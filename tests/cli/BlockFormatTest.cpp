#include <gtest/gtest.h>

#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "BlockFormat.h"
#include "ReconstructBlock.h"

namespace dct::cli {
namespace {

// Both blocks have equal rows and unequal columns, so a transposed block
// shows; the second has negative values to align.
TEST(FormatTextTest, PrintsEightAlignedRowsAndTheClippedLine) {
  CoefTable ramp, wave;
  ramp.set(0, 100);
  ramp.set(1, 100);
  wave.set(1, 100);
  std::string clipped, unclipped;
  for (int y = 0; y < 8; ++y) {
    clipped += "  127  127  127  119   80   44   16    1\n";
    unclipped += "   98   83   55   19  -20  -56  -84  -99\n";
  }

  EXPECT_EQ(FormatText(ReconstructBlock(ramp)), clipped + "clipped: yes\n");
  EXPECT_EQ(FormatText(ReconstructBlock(wave)), unclipped + "clipped: no\n");
}

std::vector<std::string> Split(const std::string& list) {
  std::vector<std::string> items;
  std::istringstream in(list);
  for (std::string item; std::getline(in, item, ',');) items.push_back(item);
  return items;
}

TEST(FormatJsonTest, HoldsTheFiveFieldsInOrderOnOneLine) {
  CoefTable table;
  table.set(0, 30);
  table.set(1, -100);  // clips the right-hand column
  table.set(19, 77);   // u = 3, v = 2: no symmetry left
  table.set(63, -32768);
  const PixelBlock block = ReconstructBlock(table);

  const std::string json = FormatJson(table, block);

  std::smatch fields;
  ASSERT_TRUE(std::regex_match(
      json, fields,
      std::regex(R"(\{"coefficients":\[(.*)\],"pixels":\[(.*)\],"tooltips":\[(.*)\],)"
                 R"("colours":\[(.*)\],"clipped":true\}\n)")))
      << json;
  const auto coefficients = Split(fields[1]), pixels = Split(fields[2]);
  const auto tooltips = Split(fields[3]), colours = Split(fields[4]);
  ASSERT_EQ(coefficients.size(), 64U);
  ASSERT_EQ(pixels.size(), 64U);
  ASSERT_EQ(tooltips.size(), 64U);
  ASSERT_EQ(colours.size(), 64U);
  for (std::size_t i = 0; i < 64; ++i) {
    EXPECT_EQ(coefficients[i], std::to_string(table.at(static_cast<long long>(i)))) << i;
    EXPECT_EQ(pixels[i], std::to_string(block.Pixel[i])) << i;
    EXPECT_EQ(tooltips[i], '"' + block.ToolTip[i] + '"') << i;
    EXPECT_EQ(colours[i], std::to_string(block.Colour[i])) << i;
  }
}

TEST(FormatJsonTest, SaysFalseAndEscapesTooltipText) {
  PixelBlock block;
  block.ToolTip[0] = "say \"hi\"";
  block.ToolTip[1] = "back\\slash";
  block.ToolTip[2] = "line\nbreak";

  const std::string json = FormatJson(CoefTable{}, block);

  EXPECT_NE(json.find(R"("tooltips":["say \"hi\"","back\\slash","line\u000Abreak","",)"),
            std::string::npos)
      << json;
  EXPECT_EQ(json.substr(json.size() - 18), ",\"clipped\":false}\n");
}

}  // namespace
}  // namespace dct::cli
