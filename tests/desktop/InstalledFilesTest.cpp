// What an install into a fresh prefix holds (the ctest fixture
// desktop.install makes it): every file a desktop expects and nothing else,
// icons that are the window's own image without smoothing, and files that
// name each other correctly.
#include <gtest/gtest.h>

#include <QImage>

#include <filesystem>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "tests/desktop/TestFiles.h"
#include "ui/window/AppIcon.h"

namespace dct::desktop::test {
namespace {

namespace fs = std::filesystem;

const fs::path kPrefix = DCT_TEST_PREFIX;
const fs::path kBin = DCT_TEST_BINDIR;
const fs::path kData = DCT_TEST_DATADIR;
const std::string kAppId = DCT_TEST_APP_ID;
// The window's own 32×32 and the sizes desktops look for in hicolor.
constexpr int kIconSides[] = {32, 48, 64, 128, 256};

fs::path iconPath(int side, const std::string& name) {
  const std::string size = std::to_string(side) + "x" + std::to_string(side);
  return kData / "icons" / "hicolor" / size / "apps" / (name + ".png");
}

// The value of a key in a desktop entry's main group, or "" when absent.
std::string desktopKey(const std::string& entry, const std::string& key) {
  std::smatch match;
  const std::regex line("(^|\n)" + key + "=([^\n]*)");
  return std::regex_search(entry, match, line) ? match[2].str() : "";
}

TEST(InstalledFiles, HoldExactlyWhatADesktopExpects) {
  std::set<fs::path> expected{
      kBin / "transformada-dct",
      kBin / "dct-block",
      kData / "applications" / (kAppId + ".desktop"),
      kData / "metainfo" / (kAppId + ".metainfo.xml"),
      fs::path(DCT_TEST_MANDIR) / "man1" / "dct-block.1.gz",
      fs::path(DCT_TEST_MANDIR) / "man1" / "transformada-dct.1.gz",
      fs::path(DCT_TEST_DOCDIR) / "copyright",
      fs::path(DCT_TEST_DOCDIR) / "changelog.gz",
  };
  for (const int side : kIconSides) expected.insert(iconPath(side, kAppId));
  std::set<fs::path> installed;
  for (const auto& entry : fs::recursive_directory_iterator(kPrefix)) {
    if (!entry.is_directory()) installed.insert(fs::relative(entry.path(), kPrefix));
  }
  EXPECT_EQ(installed, expected);
  for (const fs::path& program : {kBin / "transformada-dct", kBin / "dct-block"}) {
    const auto permissions = fs::status(kPrefix / program).permissions();
    EXPECT_NE(permissions & fs::perms::others_exec, fs::perms::none) << program;
  }
}

TEST(InstalledFiles, IconsAreTheWindowsImageEnlargedWithoutSmoothing) {
  const platform::IndexedImage image = ui::AppIcon();
  const int tile = ui::kIconSide / ui::kIconTiles;
  for (const int side : kIconSides) {
    SCOPED_TRACE("side " + std::to_string(side));
    ASSERT_EQ(side % ui::kIconTiles, 0) << "tiles of whole pixels";
    const QImage png(QString::fromStdString((kPrefix / iconPath(side, kAppId)).string()), "PNG");
    ASSERT_EQ(png.size(), QSize(side, side));
    // Every pixel of a tile has the colour of the middle of that tile in the
    // 32×32 image: edges between tiles are sharp and no grey is blended.
    const int enlargedTile = side / ui::kIconTiles;
    int wrong = 0;
    for (int y = 0; y < side; ++y) {
      for (int x = 0; x < side; ++x) {
        const int sourceX = x / enlargedTile * tile + tile / 2;
        const int sourceY = y / enlargedTile * tile + tile / 2;
        const Rgb want =
            image
                .palette[image.pixels[static_cast<std::size_t>(sourceY * ui::kIconSide + sourceX)]];
        // Opaque: qRgb's alpha is 255.
        const bool same = png.pixel(x, y) == qRgb(RedOf(want), GreenOf(want), BlueOf(want));
        if (!same && wrong++ < 3) ADD_FAILURE() << "pixel (" << x << "," << y << ")";
      }
    }
    EXPECT_EQ(wrong, 0);
  }
}

TEST(InstalledFiles, NameEachOtherAndWhatIsInstalled) {
  const std::string entry = ReadText(kPrefix / kData / "applications" / (kAppId + ".desktop"));
  const std::string metainfo = ReadText(kPrefix / kData / "metainfo" / (kAppId + ".metainfo.xml"));
  const std::string icon = desktopKey(entry, "Icon");
  for (const int side : kIconSides) {
    EXPECT_TRUE(fs::is_regular_file(kPrefix / iconPath(side, icon))) << "Icon=" << icon;
  }
  const std::string exec = desktopKey(entry, "Exec");
  EXPECT_TRUE(fs::is_regular_file(kPrefix / kBin / exec.substr(0, exec.find(' '))))
      << "Exec=" << exec;
  std::smatch match;
  ASSERT_TRUE(std::regex_search(
      metainfo, match, std::regex("<launchable type=\"desktop-id\">([^<]+)</launchable>")));
  EXPECT_TRUE(fs::is_regular_file(kPrefix / kData / "applications" / match[1].str()))
      << "launchable " << match[1];
  ASSERT_TRUE(
      std::regex_search(metainfo, match, std::regex("<icon type=\"stock\">([^<]+)</icon>")));
  EXPECT_EQ(match[1].str(), icon);
  ASSERT_TRUE(std::regex_search(metainfo, match, std::regex("<release version=\"([^\"]+)\"")));
  EXPECT_EQ(match[1].str(), DCT_TEST_PROJECT_VERSION);
}

// The paragraphs of a file in Debian's copyright format, each ending in "\n".
std::vector<std::string> paragraphs(const std::string& text) {
  std::vector<std::string> result;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find("\n\n", start);
    result.push_back(text.substr(start, end == std::string::npos ? end : end + 1 - start));
    if (end == std::string::npos) break;
    start = end + 2;
  }
  return result;
}

// The value of a field of such a paragraph, its lines after the first
// unindented and " ." read as a blank line; "" when absent.
std::string field(const std::string& paragraph, const std::string& name) {
  std::smatch match;
  if (!std::regex_search(paragraph, match,
                         std::regex("(^|\n)" + name + ": ?([^\n]*\n(?: [^\n]*\n)*)"))) {
    return "";
  }
  const std::string value = std::regex_replace(match[2].str(), std::regex("\n \\.(?=\n)"), "\n");
  return std::regex_replace(value, std::regex("\n "), "\n");
}

// The files that hold a licence, as LICENSE does: a title, the copyright and
// trademark notices, the licence from its grant of permission on.
struct LicenceFile {
  const char* path;
  const char* name;  // the licence's short name in Debian's copyright format
};

constexpr LicenceFile kLicenceFiles[] = {
    {DCT_TEST_LICENSE, "Expat"},
    {DCT_TEST_DEJAVU_NOTICE, "Bitstream-Vera"},
};

// The copyright file states each licence as its file does: the whole text in
// a paragraph of its own, and the notices in every Files paragraph under it.
TEST(InstalledFiles, CopyrightStatesEachLicenceAndItsNotices) {
  const auto copyright = paragraphs(ReadText(kPrefix / DCT_TEST_DOCDIR / "copyright"));
  for (const LicenceFile& licence : kLicenceFiles) {
    SCOPED_TRACE(licence.path);
    const std::string text = ReadText(licence.path);
    const std::size_t notices = text.find("\n\n") + 2;
    const std::size_t grant = text.find("\n\nPermission is hereby granted");
    ASSERT_NE(grant, std::string::npos);
    ASSERT_LT(notices, grant);

    int texts = 0;
    int filesUnder = 0;
    for (const std::string& paragraph : copyright) {
      const std::string name = field(paragraph, "License");
      if (paragraph.starts_with("License: ") &&
          name.starts_with(licence.name + std::string("\n"))) {
        ++texts;
        EXPECT_EQ(name.substr(name.find('\n') + 1), text.substr(grant + 2));
      }
      const std::regex named("(^| and )" + std::string(licence.name) + "( and |\n)");
      if (paragraph.starts_with("Files: ") && std::regex_search(name, named)) {
        ++filesUnder;
        EXPECT_NE(field(paragraph, "Copyright").find(text.substr(notices, grant + 1 - notices)),
                  std::string::npos)
            << paragraph;
      }
    }
    EXPECT_EQ(texts, 1);
    EXPECT_GE(filesUnder, 1);
  }
}

}  // namespace
}  // namespace dct::desktop::test
