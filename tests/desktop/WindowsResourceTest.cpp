// The resources that the Windows build compiles into transformada-dct.exe,
// as the MinGW resource compiler made them from the configured script (the
// ctest fixture desktop.windows_resource_compiles): the window's icon and a
// version record of the project's version, as text and as numbers.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "BinaryReader.h"
#include "IcoReader.h"
#include "TestFiles.h"

namespace dct::desktop::test {
namespace {

constexpr std::uint16_t kIconType = 3;
constexpr std::uint16_t kGroupIconType = 14;
constexpr std::uint16_t kVersionType = 16;
constexpr std::uint32_t kFixedFileInfoSignature = 0xFEEF04BD;

struct Resource {
  std::uint16_t type = 0;
  std::uint16_t id = 0;
  std::vector<std::uint8_t> data;
};

std::uint16_t ordinal(BinaryReader& in) {
  if (in.U16() != 0xFFFF) throw std::runtime_error("a resource named by text, not by number");
  return in.U16();
}

// A .res file: a sequence of headers, each followed by its data; the first
// is an empty entry that marks the format.
std::vector<Resource> readResources(std::span<const std::uint8_t> file) {
  std::vector<Resource> resources;
  BinaryReader in(file);
  while (in.Remaining() > 0) {
    const std::size_t start = in.Offset();
    const std::uint32_t dataSize = in.U32();
    const std::uint32_t headerSize = in.U32();
    Resource resource;
    resource.type = ordinal(in);
    resource.id = ordinal(in);
    in = BinaryReader(file, start + headerSize);
    const auto data = in.Bytes(dataSize);
    resource.data.assign(data.begin(), data.end());
    in.AlignTo4(0);
    if (resource.type != 0) resources.push_back(std::move(resource));
  }
  return resources;
}

const Resource& only(const std::vector<Resource>& resources, std::uint16_t type) {
  const auto count = std::count_if(resources.begin(), resources.end(),
                                   [&](const Resource& r) { return r.type == type; });
  if (count != 1)
    throw std::runtime_error(std::to_string(count) + " resources of type " + std::to_string(type) +
                             ", expected 1");
  return *std::find_if(resources.begin(), resources.end(),
                       [&](const Resource& r) { return r.type == type; });
}

// A node of the version record: a key, a value (text or binary) and children,
// each aligned to 4 bytes. Text leaves are collected by their path of keys.
void readVersionNode(std::span<const std::uint8_t> data, std::size_t start, const std::string& path,
                     std::map<std::string, std::string>& texts,
                     std::span<const std::uint8_t>& fixedInfo) {
  BinaryReader in(data, start);
  const std::uint16_t length = in.U16();
  const std::uint16_t valueLength = in.U16();
  const std::uint16_t type = in.U16();
  const std::string key = path + "/" + in.Utf16Text();
  in.AlignTo4(0);
  const std::size_t end = start + length;
  if (end > data.size()) throw std::runtime_error(key + " runs past the record");
  if (type == 1 && valueLength > 0) {
    BinaryReader text(data.first(end), in.Offset());
    texts[key] = text.Utf16Text();
  } else if (type == 0 && valueLength > 0) {
    const auto value = in.Bytes(valueLength);
    if (path.empty()) fixedInfo = value;
  }
  // Children follow the value; a text value's length counts characters.
  std::size_t child = in.Offset() + (type == 1 ? 2U * valueLength : 0U);
  while ((child = (child + 3) / 4 * 4) < end) {
    BinaryReader peek(data, child);
    const std::uint16_t childLength = peek.U16();
    if (childLength == 0) throw std::runtime_error(key + ": a child of length 0");
    readVersionNode(data, child, key, texts, fixedInfo);
    child += childLength;
  }
}

class WindowsResource : public testing::Test {
 protected:
  void SetUp() override {
    resourceBytes_ = ReadBytes(DCT_TEST_RES_FILE);
    resources_ = readResources(resourceBytes_);
  }
  std::vector<std::uint8_t> resourceBytes_;
  std::vector<Resource> resources_;
};

TEST_F(WindowsResource, IconIsTheGeneratedIco) {
  const auto icoBytes = ReadBytes(DCT_TEST_ICO_FILE);
  const DecodedIco ico = ReadIco(icoBytes);
  const Resource& icon = only(resources_, kIconType);
  EXPECT_TRUE(std::ranges::equal(icon.data, ico.bitmap));

  BinaryReader group(only(resources_, kGroupIconType).data);
  EXPECT_EQ(group.U16(), 0);
  EXPECT_EQ(group.U16(), 1) << "icon, not cursor";
  ASSERT_EQ(group.U16(), 1) << "images";
  EXPECT_EQ(group.U8(), 32) << "width";
  EXPECT_EQ(group.U8(), 32) << "height";
  group.Bytes(4);  // colour count, reserved, planes
  EXPECT_EQ(group.U16(), 8) << "bits per pixel";
  EXPECT_EQ(group.U32(), ico.bitmap.size());
  EXPECT_EQ(group.U16(), icon.id) << "the group names the icon";
}

TEST_F(WindowsResource, VersionRecordReadsTheProjectVersion) {
  const std::string version = DCT_TEST_PROJECT_VERSION;  // "major.minor"
  const auto major = static_cast<std::uint32_t>(std::stoul(version.substr(0, version.find('.'))));
  const auto minor = static_cast<std::uint32_t>(std::stoul(version.substr(version.find('.') + 1)));
  const std::uint32_t numeric = major << 16 | minor;

  std::map<std::string, std::string> texts;
  std::span<const std::uint8_t> fixedInfo;
  readVersionNode(only(resources_, kVersionType).data, 0, "", texts, fixedInfo);

  const std::string table = "/VS_VERSION_INFO/StringFileInfo/041604B0/";
  EXPECT_EQ(texts[table + "FileVersion"], version);
  EXPECT_EQ(texts[table + "ProductVersion"], version);
  EXPECT_EQ(texts[table + "ProductName"], "Transformada DCT");
  EXPECT_EQ(texts[table + "OriginalFilename"], "transformada-dct.exe");

  BinaryReader fixed(fixedInfo);
  ASSERT_EQ(fixed.U32(), kFixedFileInfoSignature);
  fixed.U32();  // structure version
  EXPECT_EQ(fixed.U32(), numeric) << "file version, high word";
  EXPECT_EQ(fixed.U32(), 0U) << "file version, low word";
  EXPECT_EQ(fixed.U32(), numeric) << "product version, high word";
  EXPECT_EQ(fixed.U32(), 0U) << "product version, low word";
  fixed.Bytes(8);  // flags mask and flags
  EXPECT_EQ(fixed.U32(), 0x40004U) << "Windows NT, 32-bit API";
  EXPECT_EQ(fixed.U32(), 1U) << "an application";
}

}  // namespace
}  // namespace dct::desktop::test
