#include <gtest/gtest.h>

#include <cmath>

#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "cli/BlockFormat.h"
#include "model/ReconstructBlock.h"

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
    EXPECT_EQ(tooltips[i], '"' + std::string(block.ToolTip[i]) + '"') << i;
    EXPECT_EQ(colours[i], std::to_string(block.Colour[i])) << i;
  }
}

TEST(FormatJsonTest, SaysFalseAndEscapesTooltipText) {
  PixelBlock block;
  block.ToolTip[0] = "say \"hi\"";
  block.ToolTip[1] = "back\\slash";
  block.ToolTip[2] = "line\nbreak";

  const std::string json = FormatJson(CoefTable{}, block);

  EXPECT_NE(json.find(R"("tooltips":["say \"hi\"","back\\slash","line\nbreak","",)"),
            std::string::npos)
      << json;
  EXPECT_EQ(json.substr(json.size() - 18), ",\"clipped\":false}\n");
}

// Index 8·v + u = 1 is u = 1 in the top row; a transposed grid shows.
ForwardAnalysis SampleAnalysis() {
  ForwardAnalysis analysis;
  analysis.coefficients[0] = 99.875;
  analysis.coefficients[1] = -0.004;  // shows as zero, without a minus
  analysis.coefficients[9] = -0.005001;
  analysis.coefficients[10] = 1234.5;  // wider than the column
  analysis.coefficients[63] = -2097152.125;
  return analysis;
}

TEST(FormatForwardTextTest, PrintsTheGridWithTwoDecimalsThenWhatRoundingGave) {
  ForwardAnalysis analysis = SampleAnalysis();
  const std::string zeros = "    0.00    0.00    0.00    0.00    0.00    0.00    0.00    0.00\n";
  std::string grid = "   99.88    0.00    0.00    0.00    0.00    0.00    0.00    0.00\n";
  grid += "    0.00   -0.01 1234.50    0.00    0.00    0.00    0.00    0.00\n";
  for (int row = 2; row < 7; ++row) grid += zeros;
  grid += "    0.00    0.00    0.00    0.00    0.00    0.00    0.00 -2097152.12\n";
  EXPECT_EQ(FormatForwardText(analysis), grid);

  CoefTable table;
  table.set(0, 100);
  table.set(8, -7);
  analysis.rounded = RoundedCoefficients{table, ReconstructBlock(table), 3};
  std::string rounded = "  100    0    0    0    0    0    0    0\n";
  rounded += "   -7    0    0    0    0    0    0    0\n";
  for (int row = 2; row < 8; ++row) rounded += "    0    0    0    0    0    0    0    0\n";
  EXPECT_EQ(FormatForwardText(analysis), "coefficients:\n" + grid + "rounded:\n" + rounded +
                                             "pixels:\n" + FormatText(ReconstructBlock(table)) +
                                             "max difference: 3\n");
}

TEST(FormatForwardJsonTest, WritesEveryDigitAndWhatRoundingGave) {
  ForwardAnalysis analysis = SampleAnalysis();
  analysis.coefficients[2] = 0.1 + 0.2;  // 0.30000000000000004
  analysis.coefficients[3] = -3.5527136788005009e-15;
  analysis.coefficients[4] = 1.0 / 3.0;
  analysis.coefficients[5] = -8.0;
  CoefTable table;
  table.set(1, 100);
  table.set(8, -3);
  analysis.rounded = RoundedCoefficients{table, ReconstructBlock(table), 2};

  const std::string json = FormatForwardJson(analysis);

  std::smatch fields;
  ASSERT_TRUE(std::regex_match(
      json, fields,
      std::regex(R"(\{"coefficients":\[(.*)\],"rounded":\[(.*)\],"pixels":\[(.*)\],)"
                 R"("max_difference":2\}\n)")))
      << json;
  const auto numbers = Split(fields[1]), rounded = Split(fields[2]), pixels = Split(fields[3]);
  ASSERT_EQ(numbers.size(), 64U);
  ASSERT_EQ(rounded.size(), 64U);
  ASSERT_EQ(pixels.size(), 64U);
  for (std::size_t i = 0; i < 64; ++i) {
    EXPECT_EQ(std::stod(numbers[i]), analysis.coefficients[i]) << numbers[i];
    // A whole number as an integer, as a reader of coefficients expects.
    if (analysis.coefficients[i] == std::trunc(analysis.coefficients[i])) {
      EXPECT_EQ(numbers[i].find('.'), std::string::npos) << numbers[i];
    }
    EXPECT_EQ(rounded[i], std::to_string(table.at(static_cast<long long>(i)))) << i;
    EXPECT_EQ(pixels[i], std::to_string(analysis.rounded->block.Pixel[i])) << i;
  }
}

}  // namespace
}  // namespace dct::cli
