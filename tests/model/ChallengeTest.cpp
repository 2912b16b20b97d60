#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "model/ReconstructBlock.h"
#include "model/jpeg/ZigZag.h"
#include "model/lesson/Challenge.h"
#include "model/link/Base64Url.h"
#include "model/link/ChallengeLink.h"

namespace dct {
namespace {

using Entries = std::vector<std::pair<int, int>>;

CoefTable tableOf(const Entries& entries) {
  CoefTable table;
  for (const auto& [index, value] : entries) table.set(index, static_cast<std::int16_t>(value));
  return table;
}

// The same on every compiler and standard library: these run in the browser
// build's tests too.
TEST(ChallengeTest, GivesTheSameTargetForTheSameSeed) {
  const Entries level10 = {{0, 20},   {4, 30},   {5, -20}, {6, -30},  {10, -10},
                           {13, -40}, {14, -30}, {18, 10}, {19, -30}, {34, -20}};
  const struct {
    int level;
    std::uint32_t seed;
    Entries target;
  } cases[] = {
      {1, 0, {{8, 100}}},  {4, 2024, {{3, 10}, {17, 20}, {25, -20}, {32, 90}}},
      {10, 7, level10},    {11, 7, level10},
      {-3, 0, {{8, 100}}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(MakeChallenge(c.level, c.seed), tableOf(c.target)) << c.level;
  }
}

// Following every hint solves a challenge in as many steps as it has
// coefficients, each step one more right coefficient; its link gives the
// same target back.
TEST(ChallengeTest, KeepsItsRulesAndIsSolvedByFollowingTheHints) {
  for (int level = kChallengeLevelMin; level <= kChallengeLevelMax; ++level) {
    for (std::uint32_t seed = 0; seed < 200; ++seed) {
      const CoefTable target = MakeChallenge(level, seed);
      const PixelBlock block = ReconstructBlock(target);
      ASSERT_FALSE(block.Clipped) << level << " " << seed;
      for (int i = 0; i < kCoefTableSize; ++i) {
        const int value = target.at(i);
        if (value == 0) continue;
        ASSERT_LT(kZigZagRank[static_cast<std::size_t>(i)], 3 * level);
        ASSERT_TRUE(value % 10 == 0 && value >= -100 && value <= 100) << value;
      }
      CoefTable window;
      int steps = 0;
      for (auto hint = HintFor(target, window); hint; hint = HintFor(target, window), ++steps) {
        const ChallengeProgress progress = ProgressTowards(target, window);
        ASSERT_FALSE(progress.Solved());
        ASSERT_EQ(progress.RightCoefficients, steps);
        ASSERT_EQ(progress.TargetCoefficients, level);
        window.set(hint->Index, hint->Value);
      }
      ASSERT_EQ(steps, level);
      const ChallengeProgress solved = ProgressTowards(target, window);
      ASSERT_TRUE(solved.Solved());
      ASSERT_EQ(solved.MaxDifference, 0);
      ASSERT_EQ(ReadChallengeLink(*ChallengeLink(target)), target);
    }
  }
}

TEST(ChallengeTest, CountsEqualPixelsAndHintsAtTheLowestFrequencyWrong) {
  // F(7,7) = 1 alone gives sums within ±1: the pixels whose sum is negative
  // round down to -1, the others stay 0.
  const ChallengeProgress progress = ProgressTowards(CoefTable{}, tableOf({{63, 1}}));
  EXPECT_EQ(progress.EqualPixels, 32);
  EXPECT_EQ(progress.MaxDifference, 1);
  EXPECT_EQ(progress.TargetCoefficients, 0);
  const ChallengeProgress flat = ProgressTowards(tableOf({{0, 8}, {9, 0}}), tableOf({{9, 5}}));
  EXPECT_EQ(flat.TargetCoefficients, 1);
  EXPECT_EQ(flat.RightCoefficients, 0);
  EXPECT_FALSE(flat.Solved());
  EXPECT_EQ(HintFor(tableOf({{9, 5}, {1, 7}}), CoefTable{}), (Hint{1, 7}));
  EXPECT_EQ(HintFor(tableOf({{9, 5}, {1, 7}}), tableOf({{1, 7}})), (Hint{9, 5}));
  EXPECT_EQ(HintFor(tableOf({{1, 7}}), tableOf({{1, 7}, {64, 3}})), std::nullopt);
}

// The links that a link becomes with its first value changed by XOR-ing
// `flip` into it, one for each of the 256 checks: whatever the check's rule,
// one of them carries the right check, so only the value's range can refuse
// them all.
std::vector<std::string> withFirstValueFlipped(const std::string& link, std::uint8_t flip) {
  std::vector<std::uint8_t> bytes = *DecodeBase64Url(link);
  bytes[1] ^= flip;
  std::vector<std::string> links;
  for (int check = 0; check < 256; ++check) {
    bytes[65] = static_cast<std::uint8_t>(check);
    links.push_back(EncodeBase64Url(bytes));
  }
  return links;
}

// The tables read from those links.
std::vector<CoefTable> readable(const std::vector<std::string>& links) {
  std::vector<CoefTable> tables;
  for (const std::string& link : links) {
    if (const auto table = ReadChallengeLink(link)) tables.push_back(*table);
  }
  return tables;
}

TEST(ChallengeLinkTest, RefusesWholeAnythingItDidNotMake) {
  const CoefTable target = tableOf({{0, 100}, {1, -100}, {63, 1}});
  const std::string link = *ChallengeLink(target);
  EXPECT_EQ(link.size(), 88u);
  EXPECT_EQ(link.find("100"), std::string::npos);
  EXPECT_EQ(ReadChallengeLink(link), target);
  EXPECT_EQ(readable(withFirstValueFlipped(link, 0x64 ^ 0x63)),
            std::vector{tableOf({{0, 99}, {1, -100}, {63, 1}})});
  EXPECT_EQ(readable(withFirstValueFlipped(link, 0x64 ^ 0x65)), std::vector<CoefTable>{})
      << "100 became 101";
  EXPECT_EQ(readable(withFirstValueFlipped(link, 0x64 ^ 0x9B)), std::vector<CoefTable>{})
      << "100 became -101";
  EXPECT_EQ(ChallengeLink(tableOf({{5, 101}})), std::nullopt);
  EXPECT_EQ(ChallengeLink(tableOf({{64, 999}})), ChallengeLink(CoefTable{}));
  const std::string refused[] = {
      "",
      "<script>alert(1)</script>",
      "<img src=x onerror=alert(1)>" + link.substr(28),
      link + "A",
      link.substr(1),
      link.substr(0, 86) + "==",
      std::string(88, 'A'),  // version 0
      std::string(100000, 'A'),
  };
  for (const std::string& text : refused)
    EXPECT_EQ(ReadChallengeLink(text), std::nullopt) << text.substr(0, 100);
  // Every character changed to any other, anywhere.
  for (std::size_t at = 0; at < link.size(); ++at) {
    for (const char c : std::string("AQgw-_9z")) {
      if (c == link[at]) continue;
      std::string changed = link;
      changed[at] = c;
      ASSERT_EQ(ReadChallengeLink(changed), std::nullopt) << changed;
    }
  }
}

}  // namespace
}  // namespace dct
