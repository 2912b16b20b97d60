// The pieces of the picture decoder that read no pixels: the CRC of PNG's
// chunks, the formats told by their first bytes, EXIF's orientation tag and
// the turn it asks for.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/picture/Crc32.h"
#include "model/picture/ExifOrientation.h"
#include "model/picture/Orientation.h"
#include "model/picture/SniffFormat.h"
#include "tests/model/PictureBytes.h"

namespace dct {
namespace {

using test::Bytes;
using test::Text;

// The check value of CRC-32 (ISO-HDLC), as zlib gives it for "123456789",
// and that of PNG's IEND chunk, in every PNG file.
TEST(Crc32Test, GivesTheCheckValues) {
  EXPECT_EQ(Crc32(Text("123456789")), 0xCBF43926U);
  EXPECT_EQ(Crc32(Text("IEND")), 0xAE426082U);
  EXPECT_EQ(Crc32({}), 0U);
}

TEST(SniffFormatTest, TellsFormatsByTheirFirstBytes) {
  const struct {
    std::string bytes;
    PictureFormat format;
  } cases[] = {
      {"\x89PNG\r\n\x1A\n....", PictureFormat::Png},
      {"\x89PNG", PictureFormat::Png},  // the start of the signature: a cut PNG
      {"\x89PN", PictureFormat::Unknown},
      {"\xFF\xD8\xFF\xE0", PictureFormat::Jpeg},
      {"\xFF\xD8", PictureFormat::Jpeg},
      {"\xFF\xD9\xFF", PictureFormat::Unknown},
      {"GIF89a", PictureFormat::Gif},
      {"GIF87a", PictureFormat::Gif},
      {std::string("BM\x36\x00\x00\x00\x00\x00\x00\x00\x36\x00\x00\x00\x28\x00\x00\x00", 18),
       PictureFormat::Bmp},
      {"BM is not enough", PictureFormat::Unknown},
      {std::string("RIFF\x24\x00\x00\x00WEBPVP8 ", 16), PictureFormat::WebP},
      {std::string("RIFF\x24\x00\x00\x00WAVEfmt ", 16), PictureFormat::Unknown},
      {std::string("\x00\x00\x00\x18"
                   "ftypheic",
                   12),
       PictureFormat::Heic},
      {std::string("\x00\x00\x00\x1C"
                   "ftypmif1",
                   12),
       PictureFormat::Heic},
      {std::string("\x00\x00\x00\x1C"
                   "ftypavif",
                   12),
       PictureFormat::Avif},
      {std::string("\x00\x00\x00\x1C"
                   "ftypisom",
                   12),
       PictureFormat::Unknown},
      {std::string("II*\x00\x08\x00\x00\x00", 8), PictureFormat::Tiff},
      {std::string("MM\x00*", 4), PictureFormat::Tiff},
      {"P5\n13 9\n255\n", PictureFormat::Pnm},
      {"P6 1 1 255 ", PictureFormat::Pnm},
      {"Plain text", PictureFormat::Unknown},
      {std::string("\x00\x00\x00\x0CjP  \r\n\x87\n", 12), PictureFormat::Jpeg2000},
      {"\xFF\x0A\xFA", PictureFormat::JpegXl},
      {"8BPS", PictureFormat::Psd},
      {"1 2 3", PictureFormat::Unknown},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(SniffFormat(Text(c.bytes)), c.format) << testing::PrintToString(c.bytes);
  }
}

// A TIFF structure with one directory of the entries given (tag, type,
// count, value), in either byte order.
Bytes Tiff(bool bigEndian, const std::vector<std::vector<std::uint32_t>>& entries) {
  const auto put = [bigEndian](Bytes& out, std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i) {
      const int shift = 8 * (bigEndian ? size - 1 - i : i);
      out.push_back(static_cast<std::uint8_t>(value >> shift));
    }
  };
  Bytes out = Text(bigEndian ? "MM" : "II");
  put(out, 42, 2);
  put(out, 8, 4);
  put(out, static_cast<std::uint32_t>(entries.size()), 2);
  for (const auto& e : entries) {
    put(out, e[0], 2);
    put(out, e[1], 2);
    put(out, e[2], 4);
    // A SHORT sits in the first two bytes of the value field.
    put(out, e[3], e[1] == 3 ? 2 : 4);
    if (e[1] == 3) put(out, 0, 2);
  }
  put(out, 0, 4);
  return out;
}

TEST(ExifOrientationTest, ReadsTheTagStrictlyAndElseTakesThePictureAsStored) {
  constexpr std::uint32_t kShort = 3, kLong = 4, kOrientation = 0x0112;
  const Bytes six = Tiff(false, {{0x010F, 2, 4, 0x41424300}, {kOrientation, kShort, 1, 6}});
  // The orientation entry ends beyond the bytes.
  const Bytes cut(six.begin(), six.end() - 8);
  Bytes farDirectory = six;
  farDirectory[4] = 0xF0;
  const struct {
    const char* name;
    Bytes tiff;
    int orientation;
  } cases[] = {
      {"little_endian", six, 6},
      {"big_endian", Tiff(true, {{kOrientation, kShort, 1, 8}}), 8},
      {"every_value", Tiff(true, {{kOrientation, kShort, 1, 3}}), 3},
      {"none", Tiff(false, {{0x010F, 2, 4, 0}}), 1},
      {"zero", Tiff(false, {{kOrientation, kShort, 1, 0}}), 1},
      {"nine", Tiff(false, {{kOrientation, kShort, 1, 9}}), 1},
      {"a_long", Tiff(false, {{kOrientation, kLong, 1, 6}}), 1},
      {"two_values", Tiff(false, {{kOrientation, kShort, 2, 6}}), 1},
      {"entry_cut_off", cut, 1},
      {"directory_beyond", farDirectory, 1},
      {"no_byte_order", Text(std::string("XX*\0\x08\0\0\0", 8)), 1},
      {"empty", {}, 1},
  };
  for (const auto& c : cases) EXPECT_EQ(ExifOrientation(c.tiff), c.orientation) << c.name;
}

// A 3×2 picture whose pixels are numbered 0 1 2 / 3 4 5, turned upright by
// each orientation, as EXIF's drawings of the letter F show them.
TEST(OrientationTest, TurnsAsExifDescribes) {
  const struct {
    int exif;
    int width;
    std::vector<int> upright;  // row by row
  } cases[] = {
      {1, 3, {0, 1, 2, 3, 4, 5}}, {2, 3, {2, 1, 0, 5, 4, 3}}, {3, 3, {5, 4, 3, 2, 1, 0}},
      {4, 3, {3, 4, 5, 0, 1, 2}}, {5, 2, {0, 3, 1, 4, 2, 5}}, {6, 2, {3, 0, 4, 1, 5, 2}},
      {7, 2, {5, 2, 4, 1, 3, 0}}, {8, 2, {2, 5, 1, 4, 0, 3}}, {0, 3, {0, 1, 2, 3, 4, 5}},
      {9, 3, {0, 1, 2, 3, 4, 5}},
  };
  for (const auto& c : cases) {
    const Orientation turn(c.exif, 3, 2);
    ASSERT_EQ(turn.width(), c.width) << c.exif;
    ASSERT_EQ(turn.height(), 6 / c.width) << c.exif;
    std::vector<int> upright(6, -1);
    for (int y = 0; y < 2; ++y) {
      for (int x = 0; x < 3; ++x) {
        const auto place = turn.placeOf(x, y);
        upright[static_cast<std::size_t>(place.y * c.width + place.x)] = 3 * y + x;
        if (x > 0) {
          const auto before = turn.placeOf(x - 1, y);
          EXPECT_EQ(place.x - before.x, turn.stepAlongRow().x);
          EXPECT_EQ(place.y - before.y, turn.stepAlongRow().y);
        }
      }
    }
    EXPECT_EQ(upright, c.upright) << c.exif;
  }
}

}  // namespace
}  // namespace dct
