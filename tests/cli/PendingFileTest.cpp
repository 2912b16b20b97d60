// What --png does to the path it is given, whatever stands there: the image
// goes to a regular file or a link's target, is put in place only once the
// block is printed, and anything else at the path is left untouched.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <csignal>

#include <QImage>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "cli/DctBlockTool.h"
#include "tests/cli/TempFolder.h"

namespace dct::cli {
namespace {

namespace fs = std::filesystem;

// What stands at the path before dct-block writes there. A file or a link's
// target holds "old" with a mode that no umask gives.
enum class Before { Nothing, File, LinkToFile, LoopingLink, Folder, Fifo, Device };
constexpr fs::perms kOddMode =
    fs::perms::owner_read | fs::perms::owner_write | fs::perms::others_read;

void Make(Before before, const std::string& path, const test::TempFolder& folder) {
  const std::string file = before == Before::LinkToFile ? folder.file("target") : path;
  switch (before) {
    case Before::Nothing:
      return;
    case Before::File:
    case Before::LinkToFile:
      test::WriteText(file, "old");
      fs::permissions(file, kOddMode);
      if (before == Before::LinkToFile) fs::create_symlink("target", path);
      return;
    case Before::LoopingLink:
      fs::create_symlink(fs::path(path).filename(), path);
      return;
    case Before::Folder:
      fs::create_directory(path);
      return;
    case Before::Fifo:
      ASSERT_EQ(mkfifo(path.c_str(), 0644), 0);
      return;
    case Before::Device:  // a character device with the numbers of /dev/null
      ASSERT_EQ(mknod(path.c_str(), S_IFCHR | 0666, makedev(1, 3)), 0);
      return;
  }
}

// All that a write might change about a path: what it is, where it links to,
// its mode, and a regular file's content.
struct PathState {
  fs::file_type type;
  fs::file_type target;
  std::string link;
  fs::perms mode;
  std::string content;
  bool operator==(const PathState&) const = default;
};

PathState StateOf(const std::string& path) {
  std::error_code ignored;
  const fs::file_status target = fs::status(path, ignored);
  return {fs::symlink_status(path, ignored).type(), target.type(),
          fs::is_symlink(path, ignored) ? fs::read_symlink(path, ignored).string() : "",
          target.permissions(), fs::is_regular_file(target) ? test::ReadText(path) : ""};
}

struct TargetCase {
  const char* name;
  Before before;
  std::string fileName;
  bool outputFails;  // standard output cannot be written
  // Why the run fails, after "'--png PATH': " but for standard output; empty
  // when the image is written.
  std::string error;
  // The file name as the error quotes it, when not as it is.
  std::string quotedName = "";
  // The most bytes a file may grow to (setrlimit), as on a disk nearly full.
  rlim_t fileSizeLimit = RLIM_INFINITY;
  friend void PrintTo(const TargetCase& c, std::ostream* os) { *os << c.name; }
};

class PendingFileTest : public testing::TestWithParam<TargetCase> {};

TEST_P(PendingFileTest, WritesTheImageOrLeavesThePathAsItWas) {
  const TargetCase& c = GetParam();
  if (c.before == Before::Device && geteuid() != 0) {
    GTEST_SKIP() << "only root can make a device node";
  }
  test::TempFolder folder;
  const std::string path = folder.file(c.fileName);
  Make(c.before, path, folder);
  const PathState before = StateOf(path);
  const std::size_t entries = folder.entries();
  std::istringstream in;
  std::ostringstream out, err;
  if (c.outputFails) out.setstate(std::ios::badbit);

  const std::vector<std::string_view> args{"--png", path, "--scale", "2", "0,0=-100"};
  rlimit limit{};
  getrlimit(RLIMIT_FSIZE, &limit);
  const rlimit unlimited = limit;
  limit.rlim_cur = std::min(limit.rlim_max, c.fileSizeLimit);
  const auto oversize = std::signal(SIGXFSZ, SIG_IGN);
  setrlimit(RLIMIT_FSIZE, &limit);
  const int status = RunDctBlock(args, in, out, err);
  setrlimit(RLIMIT_FSIZE, &unlimited);
  std::signal(SIGXFSZ, oversize);

  if (!c.error.empty()) {
    EXPECT_EQ(status, kExitFailure);
    const std::string quoted = c.quotedName.empty() ? path : folder.file(c.quotedName);
    const std::string culprit = c.outputFails ? "" : "'--png " + quoted + "': ";
    EXPECT_EQ(err.str(), "dct-block: " + culprit + c.error + "\n");
    EXPECT_EQ(StateOf(path), before);
    EXPECT_EQ(folder.entries(), entries) << "a file left behind";
    return;
  }
  ASSERT_EQ(status, kExitSuccess) << err.str();
  QImage expected(16, 16, QImage::Format_Grayscale8);
  expected.fill(28);  // -100 + 128
  // Read by its bytes: Qt opens files by UTF-8 names only.
  const std::vector<std::uint8_t> png = test::ReadBytes(path);
  EXPECT_EQ(QImage::fromData(png.data(), static_cast<int>(png.size()), "PNG"), expected);
  const PathState after = StateOf(path);
  EXPECT_EQ(after.type, c.before == Before::Nothing ? fs::file_type::regular : before.type);
  EXPECT_EQ(after.link, before.link);
  if (c.before != Before::Nothing) {
    EXPECT_EQ(after.mode, before.mode);
  }
  EXPECT_EQ(folder.entries(), std::max<std::size_t>(entries, 1));
}

// The longest name that the usual file systems take: 255 bytes.
const std::string kLongName = std::string(251, 'n') + ".png";
const std::string kNotAFile = "is not a regular file, and is left as it is";

INSTANTIATE_TEST_SUITE_P(
    Targets, PendingFileTest,
    testing::Values(TargetCase{"new_file", Before::Nothing, "b.png", false, ""},
                    TargetCase{"keeps_the_mode", Before::File, "b.png", false, ""},
                    TargetCase{"through_a_link", Before::LinkToFile, "b.png", false, ""},
                    TargetCase{"longest_name", Before::Nothing, kLongName, false, ""},
                    TargetCase{"output_fails_over_a_file", Before::File, "b.png", true,
                               "cannot write to standard output"},
                    TargetCase{"output_fails_with_no_file", Before::Nothing, "b.png", true,
                               "cannot write to standard output"},
                    TargetCase{"folder", Before::Folder, "b.png", false, kNotAFile},
                    TargetCase{"fifo", Before::Fifo, "b.png", false, kNotAFile},
                    TargetCase{"device", Before::Device, "b.png", false, kNotAFile},
                    TargetCase{"missing_folder", Before::Nothing, "none/b.png", false,
                               "cannot be written: No such file or directory"},
                    // The system's own reason, not a generic one.
                    TargetCase{"disk_full", Before::File, "b.png", false,
                               "cannot be written: File too large", "", 40},
                    TargetCase{"looping_link", Before::LoopingLink, "b.png", false,
                               "is a symbolic link that leads round in a loop, and is left as it "
                               "is"},
                    // Any bytes the system takes; errors escape one that is not UTF-8.
                    TargetCase{"name_not_utf8", Before::Nothing, "\xFF.png", false, ""},
                    TargetCase{"name_not_utf8_missing_folder", Before::Nothing, "\xFF/b.png",
                               false, "cannot be written: No such file or directory",
                               "\\xFF/b.png"}),
    [](const testing::TestParamInfo<TargetCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace dct::cli
