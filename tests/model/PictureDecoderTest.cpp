// ReadPictureFile on PNG and JPEG files built here by the formats' rules
// (PictureBytes.h): what it reads, values worked out by hand from those
// rules, and what it refuses, and why.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "common/PictureLimits.h"
#include "model/picture/PictureDecoder.h"
#include "tests/model/PictureBytes.h"

namespace dct {
namespace {

using test::Bytes;
using test::Chunk;
using test::FlatJpeg;
using test::Idat;
using test::Iend;
using test::Ihdr;
using test::Join;
using test::Levels;
using test::Png;
using test::Segment;
using test::Text;

struct ReadCase {
  const char* name;
  Bytes file;
  int width;
  std::vector<std::uint8_t> levels;  // row by row
};

void ExpectRead(const ReadCase& c) {
  const auto read = ReadPictureFile(c.file);
  ASSERT_TRUE(std::holds_alternative<GreyImage>(read))
      << c.name << ": refused as kind " << static_cast<int>(std::get<PictureFault>(read).kind);
  const auto& grey = std::get<GreyImage>(read);
  EXPECT_EQ(grey.width(), c.width) << c.name;
  EXPECT_EQ(grey.levels(), c.levels) << c.name;
}

struct RefusedCase {
  const char* name;
  Bytes file;
  PictureFault fault;
};

void ExpectRefused(const RefusedCase& c) {
  const auto read = ReadPictureFile(c.file);
  ASSERT_TRUE(std::holds_alternative<PictureFault>(read)) << c.name << " was read";
  const auto& fault = std::get<PictureFault>(read);
  EXPECT_EQ(static_cast<int>(fault.kind), static_cast<int>(c.fault.kind)) << c.name;
  EXPECT_EQ(fault, c.fault) << c.name;
}

PictureFault PngFault(PictureFaultKind kind) { return {kind, PictureFormat::Png}; }
PictureFault JpegFault(PictureFaultKind kind, PictureVariant variant = PictureVariant::None) {
  return {kind, PictureFormat::Jpeg, variant};
}

std::vector<std::uint8_t> Flat(std::size_t count, std::uint8_t level) {
  return std::vector<std::uint8_t>(count, level);
}

Bytes Be16s(std::initializer_list<int> values) {
  Bytes out;
  for (const int v : values) test::AppendBe(out, static_cast<std::uint32_t>(v), 2);
  return out;
}

// --- PNG ---

const Bytes kGreyHeader = Ihdr(3, 2, 8, 0);
const Bytes kGreyRows = Idat({{10, 20, 30}, {40, 50, 60}});
const Bytes kGreyPng = Png({kGreyHeader, kGreyRows, Iend()});

// EXIF in PNG's eXIf chunk: the TIFF structure alone, here big-endian with
// the orientation 6 (a quarter turn clockwise).
const Bytes kExifSix = Join({Text("MM"), Be16s({42, 0, 8, 1, 0x0112, 3, 0, 1, 6, 0, 0, 0})});

TEST(PictureDecoderTest, ReadsPngFilesOfEveryKind) {
  const ReadCase cases[] = {
      {"grey", kGreyPng, 3, {10, 20, 30, 40, 50, 60}},
      // JPEG's weights: red 76.245, blue 29.07.
      {"rgb", Png({Ihdr(2, 1, 8, 2), Idat({{255, 0, 0, 0, 0, 255}}), Iend()}), 2, {76, 29}},
      // Over white: transparent is white, half-transparent black mid grey.
      {"grey_alpha", Png({Ihdr(2, 1, 8, 4), Idat({{0, 0, 0, 128}}), Iend()}), 2, {255, 127}},
      {"rgba", Png({Ihdr(1, 1, 8, 6), Idat({{0, 0, 255, 255}}), Iend()}), 1, {29}},
      // 16 bits: v / 257 rounded, not the high byte: 0x81 / 257 = 0.502.
      {"sixteen_bit",
       Png({Ihdr(6, 1, 16, 0), Idat({Be16s({0x0000, 0x0080, 0x0081, 0x7FFF, 0x8000, 0xFFFF})}),
            Iend()}),
       6,
       {0, 0, 1, 127, 128, 255}},
      {"sixteen_bit_rgb_alpha",
       Png({Ihdr(1, 1, 16, 6), Idat({Be16s({0x0081, 0x0081, 0x0081, 0xFFFF})}), Iend()}),
       1,
       {1}},
      // Two bits a pixel, from 0 to 3: 0, 85, 170, 255.
      {"two_bit_grey", Png({Ihdr(4, 1, 2, 0), Idat({{0b00011011}}), Iend()}), 4, {0, 85, 170, 255}},
      {"grey_transparent_colour",
       Png({kGreyHeader, Chunk("tRNS", Be16s({30})), kGreyRows, Iend()}),
       3,
       {10, 20, 255, 40, 50, 60}},
      {"palette_with_alpha",
       Png({Ihdr(3, 1, 2, 3), Chunk("PLTE", {0, 0, 0, 255, 0, 0, 9, 9, 9}), Chunk("tRNS", {0}),
            Idat({{0b00011000}}), Iend()}),
       3,
       {255, 76, 9}},
      // Adam7 on 3×2: passes 1, 4, 6 and 7 hold (0,0), (2,0), (1,0) and row 1.
      {"interlaced",
       Png({Ihdr(3, 2, 8, 0, 1), Idat({{10}, {30}, {20}, {40, 50, 60}}), Iend()}),
       3,
       {10, 20, 30, 40, 50, 60}},
      // Turned a quarter clockwise: the left column becomes the top row.
      {"exif_orientation",
       Png({kGreyHeader, Chunk("eXIf", kExifSix), kGreyRows, Iend()}),
       2,
       {40, 10, 50, 20, 60, 30}},
      {"unknown_ancillary_chunk",
       Png({kGreyHeader, Chunk("zzZz", {1, 2}), kGreyRows, Iend()}),
       3,
       {10, 20, 30, 40, 50, 60}},
      {"bytes_after_iend", Join({kGreyPng, Text("trailing")}), 3, {10, 20, 30, 40, 50, 60}},
      // A palette of 2^8 indices with three entries, all used: no padding shows.
      {"short_palette",
       Png({Ihdr(3, 1, 8, 3), Chunk("PLTE", {0, 0, 0, 255, 0, 0, 0, 0, 255}), Idat({{0, 1, 2}}),
            Iend()}),
       3,
       {0, 76, 29}},
  };
  for (const ReadCase& c : cases) ExpectRead(c);
}

TEST(PictureDecoderTest, RefusesDamagedAndTruncatedPngFiles) {
  Bytes badCrc = kGreyPng;
  badCrc[kGreyPng.size() - 14] ^= 1;  // a byte of IDAT's CRC
  Bytes badZlib = Png({kGreyHeader, Chunk("IDAT", {0x78, 0x01, 0x07}), Iend()});
  const Bytes huge = Ihdr(8193, 8193, 8, 0);
  const Bytes border = Ihdr(8192, 8192, 8, 0);
  const RefusedCase cases[] = {
      {"signature_only", Bytes(kGreyPng.begin(), kGreyPng.begin() + 8),
       PngFault(PictureFaultKind::Truncated)},
      {"start_of_signature", Text("\x89PNG"), PngFault(PictureFaultKind::Truncated)},
      {"cut_in_idat", Bytes(kGreyPng.begin(), kGreyPng.end() - 20),
       PngFault(PictureFaultKind::Truncated)},
      {"no_iend", Png({kGreyHeader, kGreyRows}), PngFault(PictureFaultKind::Truncated)},
      {"crc", badCrc, PngFault(PictureFaultKind::Damaged)},
      {"header_not_first", Png({kGreyRows, kGreyHeader, Iend()}),
       PngFault(PictureFaultKind::Damaged)},
      {"two_headers", Png({kGreyHeader, kGreyHeader, kGreyRows, Iend()}),
       PngFault(PictureFaultKind::Damaged)},
      {"rgb_of_4_bits", Png({Ihdr(3, 2, 4, 2), kGreyRows, Iend()}),
       PngFault(PictureFaultKind::Damaged)},
      {"no_idat", Png({kGreyHeader, Iend()}), PngFault(PictureFaultKind::Damaged)},
      {"idat_split_by_a_chunk",
       Png({kGreyHeader, Chunk("IDAT", {}), Chunk("zzZz", {}), kGreyRows, Iend()}),
       PngFault(PictureFaultKind::Damaged)},
      {"unknown_critical_chunk", Png({kGreyHeader, Chunk("ZZZZ", {}), kGreyRows, Iend()}),
       PngFault(PictureFaultKind::Damaged)},
      {"name_not_letters", Png({kGreyHeader, Chunk("zz1z", {}), kGreyRows, Iend()}),
       PngFault(PictureFaultKind::Damaged)},
      {"iend_with_data", Png({kGreyHeader, kGreyRows, Chunk("IEND", {0})}),
       PngFault(PictureFaultKind::Damaged)},
      {"palette_in_grey", Png({kGreyHeader, Chunk("PLTE", {0, 0, 0}), kGreyRows, Iend()}),
       PngFault(PictureFaultKind::Damaged)},
      {"palette_missing", Png({Ihdr(3, 1, 8, 3), Idat({{0, 0, 0}}), Iend()}),
       PngFault(PictureFaultKind::Damaged)},
      {"transparent_grey_beyond_depth",
       Png({Ihdr(4, 1, 2, 0), Chunk("tRNS", Be16s({4})), Idat({{0}}), Iend()}),
       PngFault(PictureFaultKind::Damaged)},
      {"alphas_beyond_palette",
       Png({Ihdr(1, 1, 8, 3), Chunk("PLTE", {1, 2, 3}), Chunk("tRNS", {0, 0}), Idat({{0}}),
            Iend()}),
       PngFault(PictureFaultKind::Damaged)},
      // Index 3 of a palette of three entries.
      {"index_beyond_palette",
       Png({Ihdr(4, 1, 2, 3), Chunk("PLTE", {0, 0, 0, 1, 1, 1, 2, 2, 2}), Idat({{0b00011011}}),
            Iend()}),
       PngFault(PictureFaultKind::Damaged)},
      {"zlib_damaged", badZlib, PngFault(PictureFaultKind::Damaged)},
      {"too_few_rows", Png({kGreyHeader, Idat({{10, 20, 30}}), Iend()}),
       PngFault(PictureFaultKind::Damaged)},
      // No deflate stream of a few bytes inflates to 64 MB.
      {"data_too_short_for_the_size", Png({border, kGreyRows, Iend()}),
       PngFault(PictureFaultKind::Damaged)},
      {"largest_size_taken_cut_short", Png({border}), PngFault(PictureFaultKind::Truncated)},
      {"too_large", Png({huge}),
       PictureFault{PictureFaultKind::TooLarge, PictureFormat::Png, PictureVariant::None, 8193,
                    8193, kDecodedPixelsMax}},
  };
  for (const RefusedCase& c : cases) ExpectRefused(c);
}

// --- JPEG ---

// EXIF in JPEG's APP1: "Exif", two zero bytes, then the TIFF structure.
Bytes ExifApp1(int orientation) {
  return Segment(0xE1, Join({Text(std::string("Exif\0\0", 6)), Text("MM"),
                             Be16s({42, 0, 8, 1, 0x0112, 3, 0, 1, orientation, 0, 0, 0})}));
}

// Adobe's APP14: "Adobe", version 100, two words of flags, the transform.
Bytes Adobe(std::uint8_t transform) {
  return Segment(0xEE, Join({Text("Adobe"), {0, 100, 0, 0, 0, 0, transform}}));
}

const FlatJpeg kTwoBlocks(Levels{{200, 30}});

// Nine flat blocks in a row, of these levels, and the 72×8 picture they make.
std::vector<int> Flat9() { return {10, 250, 30, 200, 128, 0, 255, 77, 140}; }
std::vector<std::uint8_t> Expand9() {
  std::vector<std::uint8_t> levels;
  for (int y = 0; y < 8; ++y) {
    for (const int level : Flat9())
      levels.insert(levels.end(), 8, static_cast<std::uint8_t>(level));
  }
  return levels;
}

TEST(PictureDecoderTest, ReadsJpegFilesOfFlatBlocksExactly) {
  std::vector<std::uint8_t> side(16 * 8);
  for (std::size_t i = 0; i < side.size(); ++i) side[i] = i % 16 < 8 ? 200 : 30;
  std::vector<std::uint8_t> turned = Flat(8 * 8, 30);
  turned.resize(8 * 16, 200);
  const ReadCase cases[] = {
      {"grey", kTwoBlocks.file(), 16, side},
      {"trailing_bytes", Join({kTwoBlocks.file(), Text("junk")}), 16, side},
      {"comment_and_no_restart_interval",
       kTwoBlocks.file(Join({Segment(0xFE, Text("made here")), Segment(0xDD, {0, 0})})), 16, side},
      // Nine blocks, a marker after every second: RST0 to RST3.
      {"restart_markers", FlatJpeg(Levels{Flat9()}, 0xC0, 2).file(Segment(0xDD, {0, 2})), 72,
       Expand9()},
      // Turned a quarter anticlockwise: the right block on top.
      {"exif_orientation_8", kTwoBlocks.file(ExifApp1(8)), 8, turned},
      // Only the first EXIF segment counts.
      {"second_exif_ignored", kTwoBlocks.file(Join({ExifApp1(8), ExifApp1(1)})), 8, turned},
      // Y with Cb = Cr = 128 is that grey whatever the conversion's weights.
      {"ycbcr", FlatJpeg(Levels{{90}, {128}, {128}}).file(), 8, Flat(64, 90)},
      // Adobe's CMYK is stored inverted: red = (255 − C)(255 − K) / 255,
      // here 200 · 128 / 255 = 100.4, green 50.2, blue 25.1; then JPEG's
      // weights: 29.9 + 29.35 + 2.85 = 62.1.
      {"adobe_cmyk", FlatJpeg(Levels{{200}, {100}, {50}, {128}}).file(Adobe(0)), 8, Flat(64, 62)},
  };
  for (const ReadCase& c : cases) ExpectRead(c);
}

TEST(PictureDecoderTest, RefusesDamagedTruncatedAndUnreadJpegFiles) {
  const Bytes whole = kTwoBlocks.file();
  const FlatJpeg& j = kTwoBlocks;
  const Bytes soi{0xFF, 0xD8};
  const Bytes eoi{0xFF, 0xD9};
  FlatJpeg wide = j;
  wide.frame[7] = 0x10;  // 4112 pixels wide, for the data of two blocks
  FlatJpeg huge = j;
  huge.frame[5] = huge.frame[7] = 0x20;
  huge.frame[6] = huge.frame[8] = 0x01;  // 8193 × 8193
  FlatJpeg twelveBits = j;
  twelveBits.frame[4] = 12;
  FlatJpeg strangeComponent = j;
  strangeComponent.scan[5] = 7;
  FlatJpeg seventeen = j;
  seventeen.frame[8] = 136;  // 17 blocks for 32 bits of data: a sequential block takes 2
  FlatJpeg acOnly(Levels{{200, 30}}, 0xC2);
  const FlatJpeg restarting(Levels{Flat9()}, 0xC0, 2);
  const Bytes everySecond = Segment(0xDD, {0, 2});
  FlatJpeg outOfTurn = restarting;
  *std::find(outOfTurn.data.begin(), outOfTurn.data.end(), 0xD1) = 0xD2;
  acOnly.scan[7] = 1;  // spectral selection from 1: no DC scan ever
  const RefusedCase cases[] = {
      {"soi_only", soi, JpegFault(PictureFaultKind::Truncated)},
      {"no_eoi", Bytes(whole.begin(), whole.end() - 2), JpegFault(PictureFaultKind::Truncated)},
      {"cut_in_scan", Bytes(whole.begin(), whole.end() - 4),
       JpegFault(PictureFaultKind::Truncated)},
      {"cut_in_table", Bytes(whole.begin(), whole.begin() + 30),
       JpegFault(PictureFaultKind::Truncated)},
      {"too_little_data_for_the_size", wide.file(), JpegFault(PictureFaultKind::Truncated)},
      {"two_bits_a_block_at_the_least", seventeen.file(), JpegFault(PictureFaultKind::Truncated)},
      // The decoder would end the scan at a missing marker, the rest unset.
      {"restart_markers_missing", FlatJpeg(Levels{Flat9()}).file(everySecond),
       JpegFault(PictureFaultKind::Damaged)},
      {"restart_markers_out_of_turn", outOfTurn.file(everySecond),
       JpegFault(PictureFaultKind::Damaged)},
      {"restart_markers_without_interval", restarting.file(), JpegFault(PictureFaultKind::Damaged)},
      {"restart_interval_of_three", restarting.file(Segment(0xDD, {0, 3})),
       JpegFault(PictureFaultKind::Damaged)},
      {"no_quantisation", Join({soi, j.huffman, j.frame, j.scan, j.data, eoi}),
       JpegFault(PictureFaultKind::Damaged)},
      {"no_huffman", Join({soi, j.quantisation, j.frame, j.scan, j.data, eoi}),
       JpegFault(PictureFaultKind::Damaged)},
      {"scan_before_frame", Join({soi, j.quantisation, j.huffman, j.scan, j.data, j.frame, eoi}),
       JpegFault(PictureFaultKind::Damaged)},
      {"no_scan", Join({soi, j.quantisation, j.huffman, j.frame, eoi}),
       JpegFault(PictureFaultKind::Damaged)},
      {"two_frames", j.file(j.frame), JpegFault(PictureFaultKind::Damaged)},
      {"byte_between_segments", j.file(Join({Segment(0xFE, Text("x")), {0x00}})),
       JpegFault(PictureFaultKind::Damaged)},
      {"restart_outside_scan", j.file({0xFF, 0xD0}), JpegFault(PictureFaultKind::Damaged)},
      {"segment_length_below_two", j.file({0xFF, 0xE2, 0x00, 0x01}),
       JpegFault(PictureFaultKind::Damaged)},
      {"scan_of_unknown_component", strangeComponent.file(), JpegFault(PictureFaultKind::Damaged)},
      {"progressive_without_dc", acOnly.file(), JpegFault(PictureFaultKind::Damaged)},
      {"lossless", FlatJpeg(Levels{{200}}, 0xC3).file(),
       JpegFault(PictureFaultKind::Unsupported, PictureVariant::JpegLossless)},
      {"arithmetic", FlatJpeg(Levels{{200}}, 0xC9).file(),
       JpegFault(PictureFaultKind::Unsupported, PictureVariant::JpegArithmetic)},
      {"hierarchical", FlatJpeg(Levels{{200}}, 0xC5).file(),
       JpegFault(PictureFaultKind::Unsupported, PictureVariant::JpegHierarchical)},
      {"twelve_bits", twelveBits.file(),
       JpegFault(PictureFaultKind::Unsupported, PictureVariant::JpegHighPrecision)},
      // Four components without Adobe's marker: libjpeg takes CMYK, others
      // YCbCr and a fourth channel.
      {"cmyk_without_adobe", FlatJpeg(Levels{{200}, {100}, {50}, {128}}).file(),
       JpegFault(PictureFaultKind::Unsupported, PictureVariant::JpegUnclearColours)},
      {"two_components", FlatJpeg(Levels{{200}, {100}}).file(),
       JpegFault(PictureFaultKind::Unsupported, PictureVariant::JpegUnclearColours)},
      {"too_large", huge.file(),
       PictureFault{PictureFaultKind::TooLarge, PictureFormat::Jpeg, PictureVariant::None, 8193,
                    8193, kDecodedPixelsMax}},
  };
  for (const RefusedCase& c : cases) ExpectRefused(c);
}

TEST(PictureDecoderTest, RefusesEmptyFilesOthersAndFormatsNotRead) {
  const RefusedCase cases[] = {
      {"empty", {}, {PictureFaultKind::Empty}},
      {"text", Text("1 2 3"), {PictureFaultKind::NotAPicture}},
      {"gif", Text("GIF89a\x01\x00\x01\x00"), {PictureFaultKind::Unsupported, PictureFormat::Gif}},
      {"webp",
       Text(std::string("RIFF\x1A\x00\x00\x00WEBPVP8L", 16)),
       {PictureFaultKind::Unsupported, PictureFormat::WebP}},
  };
  for (const RefusedCase& c : cases) ExpectRefused(c);
}

}  // namespace
}  // namespace dct
