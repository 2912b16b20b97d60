// Runs the built dct-block as a script would, for what only the real process
// shows: its exit status and what reaches each of its output streams.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <QColor>
#include <QImage>

#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "common/QuotedText.h"
#include "tests/cli/TempFolder.h"

namespace dct::cli {
namespace {

struct Outcome {
  int status = -1;
  std::string out;
  std::string err;
};

std::string ShellQuoted(const std::string& text) {
  std::string quoted = "'";
  for (const char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

// Runs dct-block on `args` with `input` on standard input, or the file
// `inputFrom` when given, and standard output going to a file that is read
// back, or to `device` when given.
Outcome RunDctBlockProcess(const test::TempFolder& folder, const std::vector<std::string>& args,
                           const std::string& input = "", const std::string& device = "",
                           const std::string& inputFrom = "") {
  const std::string outPath = device.empty() ? folder.file("stdout") : device;
  const std::string inPath = inputFrom.empty() ? folder.file("stdin") : inputFrom;
  if (inputFrom.empty()) test::WriteText(inPath, input);
  std::ostringstream command;
  command << ShellQuoted(DCT_BLOCK_EXECUTABLE);
  for (const std::string& arg : args) command << ' ' << ShellQuoted(arg);
  command << " <" << ShellQuoted(inPath) << " >" << ShellQuoted(outPath) << " 2>"
          << ShellQuoted(folder.file("stderr"));
  const int raw = std::system(command.str().c_str());
  return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, device.empty() ? test::ReadText(outPath) : "",
          test::ReadText(folder.file("stderr"))};
}

TEST(DctBlockExecutableTest, PrintsTheClippedRampAsOneJsonLine) {
  test::TempFolder folder;
  const Outcome run = RunDctBlockProcess(folder, {"--json", "0,0=100", "1,0=100"});

  ASSERT_EQ(run.status, 0) << run.err;
  std::string pixels = "127,127,127,119,80,44,16,1";
  for (int y = 1; y < 8; ++y) pixels += ",127,127,127,119,80,44,16,1";
  EXPECT_NE(run.out.find("\"pixels\":[" + pixels + "]"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("\"clipped\":true}"), std::string::npos) << run.out;
  EXPECT_EQ(run.out.find('\n'), run.out.size() - 1);
  EXPECT_EQ(run.err, "");
}

TEST(DctBlockExecutableTest, ReadsATableFromStandardInputAndWritesThePng) {
  test::TempFolder folder;
  std::string table = "-100";
  for (int i = 1; i < 64; ++i) table += " 0";

  const Outcome run = RunDctBlockProcess(
      folder, {"--table", "-", "--png", folder.file("b.png"), "--scale", "2"}, table);

  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out.substr(0, 11), " -100 -100 ");
  QImage image(QString::fromStdString(folder.file("b.png")), "PNG");
  ASSERT_EQ(image.format(), QImage::Format_Grayscale8);
  EXPECT_EQ(image.size(), QSize(16, 16));
  QImage expected(16, 16, QImage::Format_Grayscale8);
  expected.fill(28);  // -100 + 128
  EXPECT_EQ(image, expected);
}

TEST(DctBlockExecutableTest, PrintsVersionAndHelpOnStandardOutput) {
  test::TempFolder folder;
  const Outcome version = RunDctBlockProcess(folder, {"--version"});
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out, std::string("dct-block ") + DCT_PROJECT_VERSION + "\n");

  const Outcome help = RunDctBlockProcess(folder, {"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_EQ(help.out.rfind("Usage: dct-block", 0), 0U) << help.out;
  EXPECT_NE(help.out.find("Example"), std::string::npos);
}

// What a teacher does: make a block, then ask which coefficients make it,
// piping the whole output, "clipped:" line and all.
TEST(DctBlockExecutableTest, FindsTheCoefficientsOfABlockItPrinted) {
  test::TempFolder folder;
  const Outcome block = RunDctBlockProcess(folder, {"0,0=20", "1,0=-100", "3,2=9"});
  ASSERT_EQ(block.status, 0) << block.err;

  const Outcome forward =
      RunDctBlockProcess(folder, {"--forward", "--levels", "--round", "--json"}, block.out);

  ASSERT_EQ(forward.status, 0) << forward.err;
  std::string rounded = "20,-100";
  for (int i = 2; i < 64; ++i) rounded += i == 19 ? ",9" : ",0";
  EXPECT_NE(forward.out.find("\"rounded\":[" + rounded + "]"), std::string::npos) << forward.out;
  EXPECT_NE(forward.out.find(",\"max_difference\":0}\n"), std::string::npos) << forward.out;
  EXPECT_EQ(forward.err, "");
}

struct FailureCase {
  const char* name;
  std::vector<std::string> args;
  std::string input;
  std::string culprit;  // as the error line must quote it
  std::string reason = "";
  std::string inputFrom = "";  // a file to read standard input from instead
  friend void PrintTo(const FailureCase& c, std::ostream* os) { *os << c.name; }
};

class DctBlockFailureTest : public testing::TestWithParam<FailureCase> {};

TEST_P(DctBlockFailureTest, ExitsWithTwoAndOneLineOnStandardErrorOnly) {
  test::TempFolder folder;
  const FailureCase& c = GetParam();
  const Outcome run = RunDctBlockProcess(folder, c.args, c.input, "", c.inputFrom);

  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err.rfind("dct-block: '" + c.culprit + "': " + c.reason, 0), 0U) << run.err;
  EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
}

INSTANTIATE_TEST_SUITE_P(
    BadInput, DctBlockFailureTest,
    testing::Values(
        FailureCase{"unknown_option", {"--bogus"}, "", "--bogus"},
        FailureCase{"u_out_of_range", {"0,0=1", "8,0=1"}, "", "8,0=1"},
        FailureCase{"newlines_in_argument", {"0,0=1\n\n2"}, "", "0,0=1\\x0A\\x0A2"},
        FailureCase{
            "missing_table_file", {"--table", "/nonexistent/t"}, "", "--table /nonexistent/t"},
        FailureCase{"short_table", {"--table", "-"}, "1 2 3", "--table -"},
        FailureCase{"unwritable_png",
                    {"--json", "--png", "/nonexistent/b.png"},
                    "",
                    "--png /nonexistent/b.png"},
        FailureCase{"forward_with_coefficients", {"--forward", "0,0=1"}, "", "0,0=1"},
        FailureCase{"two_modes", {"--basis-sheet", "s.png", "--forward"}, "", "--forward"},
        FailureCase{"bad_pixel", {"--forward", "--table", "-"}, "1 2 x", "--table -"},
        FailureCase{"unwritable_sheet",
                    {"--basis-sheet", "/nonexistent/s.png"},
                    "",
                    "--basis-sheet /nonexistent/s.png"},
        FailureCase{"block_beyond_the_picture",
                    {"--image", "-builtin-", "--block", "40,3"},
                    "",
                    "--block 40,3",
                    "the picture has 32×32 blocks (0..31, 0..31)"},
        FailureCase{"missing_picture",
                    {"--image", "/nonexistent/p.png", "--block", "0,0"},
                    "",
                    "--image /nonexistent/p.png",
                    "cannot be opened"},
        FailureCase{"picture_that_is_a_table",
                    {"--image", "-", "--block", "0,0"},
                    "1 2 3",
                    "--image -",
                    "is not a picture that can be read"},
        FailureCase{"standard_input_unreadable",
                    {"--table", "-"},
                    "",
                    "--table -",
                    "cannot be read: Is a directory",
                    "/"}),
    [](const testing::TestParamInfo<FailureCase>& info) { return std::string(info.param.name); });

// A picture of flat blocks, with a partial block at the right edge, filled
// as JPEG fills it: each block is its level alone, F(0,0) = level − 128 in
// the window's units.
TEST(DctBlockExecutableTest, ReadsAPictureFileAndGivesAFlatBlockItsLevelAlone) {
  test::TempFolder folder;
  QImage picture(20, 16, QImage::Format_RGB32);
  picture.fill(QColor(200, 200, 200));
  for (int y = 8; y < 16; ++y) {
    for (int x = 8; x < 16; ++x) picture.setPixel(x, y, qRgb(37, 37, 37));
  }
  ASSERT_TRUE(picture.save(QString::fromStdString(folder.file("p.png")), "PNG"));

  std::string table = "-91";
  for (int i = 1; i < 64; ++i) table += ",0";
  const Outcome run =
      RunDctBlockProcess(folder, {"--image", folder.file("p.png"), "--block", "1,1", "--json"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find("{\"coefficients\":[" + table + "],"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("\"max_difference\":0,\"psnr\":null,"), std::string::npos) << run.out;

  const Outcome edge =
      RunDctBlockProcess(folder, {"--image", folder.file("p.png"), "--block", "2,0", "--json"});
  ASSERT_EQ(edge.status, 0) << edge.err;
  EXPECT_NE(edge.out.find("{\"coefficients\":[72,0,"), std::string::npos) << edge.out;

  const Outcome beyond =
      RunDctBlockProcess(folder, {"--image", folder.file("p.png"), "--block", "3,0"});
  EXPECT_EQ(beyond.status, 2);
  EXPECT_EQ(beyond.err, "dct-block: '--block 3,0': the picture has 3×2 blocks (0..2, 0..1)\n");
}

TEST(DctBlockExecutableTest, NamesStandardInputWhenTheBlockComesFromThere) {
  test::TempFolder folder;
  const Outcome run = RunDctBlockProcess(folder, {"--forward", "--round"}, "1 2 3");
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "dct-block: standard input: ends after 3 of the 64 numbers\n");
}

// The image file is put in place only after the block is printed.
TEST(DctBlockExecutableTest, ReportsAStandardOutputThatCannotBeWrittenAndKeepsTheOldImage) {
  test::TempFolder folder, images;
  test::WriteText(images.file("b.png"), "old");

  const Outcome run =
      RunDctBlockProcess(folder, {"0,0=1", "--png", images.file("b.png")}, "", "/dev/full");

  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.err, "dct-block: cannot write to standard output\n");
  EXPECT_EQ(test::ReadText(images.file("b.png")), "old");
  EXPECT_EQ(images.entries(), 1U);
}

}  // namespace
}  // namespace dct::cli
