#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <string_view>
#include <vector>

#include "BlockImage.h"
#include "Checksums.h"
#include "PngDecoder.h"
#include "PngWriter.h"
#include "ReconstructBlock.h"

namespace dct::cli {
namespace {

std::vector<std::uint8_t> Bytes(std::string_view text) { return {text.begin(), text.end()}; }

TEST(ChecksumsTest, MatchPublishedValuesAndContinueAcrossPieces) {
  EXPECT_EQ(Crc32(Bytes("123456789")), 0xCBF43926U);
  EXPECT_EQ(Adler32(Bytes("Wikipedia")), 0x11E60398U);
  const auto whole = Bytes("The quick brown fox jumps over the lazy dog");
  const auto head = std::span(whole).first(10), tail = std::span(whole).subspan(10);
  EXPECT_EQ(Crc32(tail, Crc32(head)), Crc32(whole));
  EXPECT_EQ(Adler32(tail, Adler32(head)), Adler32(whole));
}

struct ImageCase {
  const char* name;
  std::uint32_t width;
  std::uint32_t height;
  PngColour colour;
  friend void PrintTo(const ImageCase& c, std::ostream* os) { *os << c.name; }
};

class PngWriterTest : public testing::TestWithParam<ImageCase> {};

TEST_P(PngWriterTest, DecodesToTheSameImage) {
  const ImageCase& c = GetParam();
  PngImage image{c.width, c.height, c.colour, {}};
  image.samples.resize(std::size_t{c.width} * c.height *
                       static_cast<std::size_t>(PngWriter::BytesPerPixel(c.colour)));
  std::uint32_t seed = 12345;
  for (auto& sample : image.samples) {
    seed = seed * 1103515245U + 12345U;
    sample = static_cast<std::uint8_t>(seed >> 16);
  }

  const auto decoded = test::DecodeStoredPng(PngWriter::Encode(image));

  ASSERT_TRUE(decoded.ok()) << decoded.error();
  EXPECT_EQ(decoded.value().width, c.width);
  EXPECT_EQ(decoded.value().height, c.height);
  EXPECT_EQ(decoded.value().colour, c.colour);
  EXPECT_TRUE(decoded.value().samples == image.samples);
}

// A stored block holds at most 65535 bytes; each row adds a filter byte.
INSTANTIATE_TEST_SUITE_P(
    Sizes, PngWriterTest,
    testing::Values(ImageCase{"single_grey_pixel", 1, 1, PngColour::Grey},
                    ImageCase{"rgba", 5, 3, PngColour::Rgba},
                    ImageCase{"exactly_one_full_block", 65534, 1, PngColour::Grey},
                    ImageCase{"one_byte_past_a_full_block", 65535, 1, PngColour::Grey},
                    ImageCase{"largest_block_image", 2048, 2048, PngColour::Grey}),
    [](const testing::TestParamInfo<ImageCase>& info) { return std::string(info.param.name); });

TEST(PngWriterTest, RefusesImagesItCannotWrite) {
  EXPECT_THROW(PngWriter::Encode({0, 1, PngColour::Grey, {}}), std::invalid_argument);
  EXPECT_THROW(PngWriter::Encode({2, 2, PngColour::Grey, {1, 2, 3}}), std::invalid_argument);
  EXPECT_THROW(PngWriter::Encode({1, 1, PngColour::Rgba, {1}}), std::invalid_argument);
  EXPECT_THROW(PngWriter::Encode({0x80000000U, 1, PngColour::Grey, {}}), std::invalid_argument);
}

TEST(BlockImageTest, EachPixelIsAScaledSquareOfItsGrey) {
  CoefTable coef;
  coef.set(0, 29);
  coef.set(1, -100);
  coef.set(9, 60);
  coef.set(10, -200);
  const PixelBlock block = ReconstructBlock(coef);
  // Both extreme greys occur, and no row equals its column.
  ASSERT_NE(std::find(block.Pixel.begin(), block.Pixel.end(), 127), block.Pixel.end());
  ASSERT_NE(std::find(block.Pixel.begin(), block.Pixel.end(), -127), block.Pixel.end());

  const PngImage image = BlockImage(block, 3);

  ASSERT_EQ(image.width, 24U);
  ASSERT_EQ(image.height, 24U);
  ASSERT_EQ(image.samples.size(), 24U * 24U);
  for (std::size_t i = 0; i < image.samples.size(); ++i) {
    const std::size_t row = i / 24, column = i % 24;
    // The low byte of the window's colour is the same grey level.
    EXPECT_EQ(image.samples[i], block.Colour[column / 3 + 8 * (row / 3)] & 0xFFU) << i;
  }
}

}  // namespace
}  // namespace dct::cli
