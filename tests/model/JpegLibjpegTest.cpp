// The JPEG files the model writes against libjpeg-turbo's: the same bytes as
// it writes from the same quantised blocks, the same blocks as it reads back,
// and each block's symbols as a decoder of the file's bits reads them with
// the file's own Huffman tables.
#include <gtest/gtest.h>

#include <cstdio>  // jpeglib.h needs FILE and size_t declared first
#include <cstdlib>
#include <functional>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include <jpeglib.h>

#include "model/jpeg/JpegPicture.h"
#include "model/jpeg/ZigZag.h"
#include "model/picture/BuiltinPicture.h"
#include "tests/model/JpegLiteral.h"
#include "tests/model/JpegTestPictures.h"

namespace dct {
namespace {

using Bytes = std::vector<std::uint8_t>;

int blocksOf(int side) { return (side + 7) / 8; }

// libjpeg-turbo's own file of the blocks: jpeg_write_coefficients with the
// defaults for a grey picture, the steps as its table 0, no optimised tables.
Bytes libjpegFile(int width, int height, const StepTable& steps,
                  const std::vector<QuantisedBlock>& blocks) {
  jpeg_compress_struct cinfo{};
  jpeg_error_mgr error{};
  cinfo.err = jpeg_std_error(&error);
  jpeg_create_compress(&cinfo);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&cinfo, &buffer, &size);
  cinfo.image_width = static_cast<JDIMENSION>(width);
  cinfo.image_height = static_cast<JDIMENSION>(height);
  cinfo.input_components = 1;
  cinfo.in_color_space = JCS_GRAYSCALE;
  jpeg_set_defaults(&cinfo);
  cinfo.optimize_coding = FALSE;
  std::array<unsigned, kGridCount> table{};
  std::copy(steps.begin(), steps.end(), table.begin());
  jpeg_add_quant_table(&cinfo, 0, table.data(), 100, TRUE);  // 100 %: the steps as given
  const int across = blocksOf(width);
  const int down = blocksOf(height);
  jvirt_barray_ptr array = cinfo.mem->request_virt_barray(
      reinterpret_cast<j_common_ptr>(&cinfo), JPOOL_IMAGE, TRUE, static_cast<JDIMENSION>(across),
      static_cast<JDIMENSION>(down), 1);
  jpeg_write_coefficients(&cinfo, &array);
  for (int by = 0; by < down; ++by) {
    JBLOCKARRAY row = cinfo.mem->access_virt_barray(reinterpret_cast<j_common_ptr>(&cinfo), array,
                                                    static_cast<JDIMENSION>(by), 1, TRUE);
    for (int bx = 0; bx < across; ++bx) {
      const QuantisedBlock& block = blocks[static_cast<std::size_t>(by * across + bx)];
      std::copy(block.begin(), block.end(), row[0][bx]);
    }
  }
  jpeg_finish_compress(&cinfo);
  Bytes file(buffer, buffer + size);
  jpeg_destroy_compress(&cinfo);
  std::free(buffer);
  return file;
}

struct LibjpegRead {
  std::vector<QuantisedBlock> Blocks;
  StepTable Steps{};
};

// The quantised blocks and steps that libjpeg-turbo reads from a file.
LibjpegRead libjpegRead(const Bytes& file) {
  jpeg_decompress_struct cinfo{};
  jpeg_error_mgr error{};
  cinfo.err = jpeg_std_error(&error);
  jpeg_create_decompress(&cinfo);
  jpeg_mem_src(&cinfo, file.data(), file.size());
  jpeg_read_header(&cinfo, TRUE);
  jvirt_barray_ptr* arrays = jpeg_read_coefficients(&cinfo);
  const jpeg_component_info& component = cinfo.comp_info[0];
  LibjpegRead read;
  for (JDIMENSION by = 0; by < component.height_in_blocks; ++by) {
    JBLOCKARRAY row = cinfo.mem->access_virt_barray(reinterpret_cast<j_common_ptr>(&cinfo),
                                                    arrays[0], by, 1, FALSE);
    for (JDIMENSION bx = 0; bx < component.width_in_blocks; ++bx) {
      QuantisedBlock& block = read.Blocks.emplace_back();
      std::copy(row[0][bx], row[0][bx] + kGridCount, block.begin());
    }
  }
  const JQUANT_TBL* table = cinfo.quant_tbl_ptrs[component.quant_tbl_no];
  std::copy(table->quantval, table->quantval + kGridCount, read.Steps.begin());
  jpeg_finish_decompress(&cinfo);
  jpeg_destroy_decompress(&cinfo);
  return read;
}

// A decoder of a baseline grey file's bits, written from JPEG's rules alone:
// it reads the Huffman tables from the file's DHT segments, assigns their
// codes itself, and turns the coded data back into each block's symbols.
class BitDecoder {
 public:
  explicit BitDecoder(const Bytes& file) {
    std::size_t at = 2;  // after SOI
    while (true) {
      if (file.at(at) != 0xFF) throw std::runtime_error("no marker where one belongs");
      const int marker = file.at(at + 1);
      const std::size_t length = file.at(at + 2) * 256u + file.at(at + 3);
      const std::size_t payload = at + 4;
      if (marker == 0xC4) readTables(file, payload, payload + length - 2);
      at += 2 + length;
      if (marker == 0xDA) break;
    }
    // The coded data runs to the EOI marker at the end; 0xFF 0x00 is a
    // stuffed 0xFF.
    if (file.size() < at + 2 || file[file.size() - 2] != 0xFF || file.back() != 0xD9)
      throw std::runtime_error("the file does not end in EOI");
    for (std::size_t i = at; i + 2 < file.size(); ++i) {
      data_.push_back(file[i]);
      if (file[i] == 0xFF) {
        if (file.at(i + 1) != 0x00) throw std::runtime_error("0xFF not stuffed");
        ++i;
      }
    }
  }

  // The next block's symbols, its DC difference taken from `previousDc`.
  JpegBlockCode block(QuantisedBlock& values, int previousDc) {
    JpegBlockCode code;
    const std::size_t start = position_;
    const JpegSymbol dc = symbol(0, JpegSymbolKind::Dc, 0);
    code.Symbols.push_back(dc);
    values = {};
    values[0] = static_cast<std::int16_t>(previousDc + dc.Value);
    for (int rank = 1; rank < kGridCount;) {
      JpegSymbol ac = symbol(1, JpegSymbolKind::Ac, rank);
      if (ac.Size == 0) {
        ac.Kind = ac.Symbol == 0xF0 ? JpegSymbolKind::ZeroRun : JpegSymbolKind::EndOfBlock;
        ac.Run = ac.Symbol == 0xF0 ? 16 : 0;
        code.Symbols.push_back(ac);
        if (ac.Kind == JpegSymbolKind::EndOfBlock) break;
        rank += 16;
        continue;
      }
      ac.Rank = rank += ac.Run;
      values.at(static_cast<std::size_t>(kZigZag.at(static_cast<std::size_t>(rank)))) =
          static_cast<std::int16_t>(ac.Value);
      code.Symbols.push_back(ac);
      ++rank;
    }
    code.BitCount = static_cast<int>(position_ - start);
    return code;
  }

  // The bits after the last block: fewer than a byte, all 1.
  bool endsInPadding() const {
    const std::size_t left = data_.size() * 8 - position_;
    if (left >= 8) return false;
    for (std::size_t i = position_; i < data_.size() * 8; ++i) {
      if (bit(i) == 0) return false;
    }
    return true;
  }

 private:
  void readTables(const Bytes& file, std::size_t at, std::size_t end) {
    while (at < end) {
      const int id = file.at(at++);
      std::array<int, 16> lengths{};
      for (int& n : lengths) n = file.at(at++);
      auto& codes = codes_[id >> 4];
      codes.clear();
      unsigned code = 0;
      for (int length = 1; length <= 16; ++length, code <<= 1) {
        for (int i = 0; i < lengths[static_cast<std::size_t>(length - 1)]; ++i)
          codes[{length, code++}] = file.at(at++);
      }
    }
  }

  int bit(std::size_t index) const { return (data_.at(index / 8) >> (7 - index % 8)) & 1; }

  unsigned read(int length) {
    unsigned value = 0;
    for (int i = 0; i < length; ++i) value = (value << 1) | static_cast<unsigned>(bit(position_++));
    return value;
  }

  // A Huffman code of table class 0 (DC) or 1 (AC), then its amplitude bits.
  JpegSymbol symbol(int tableClass, JpegSymbolKind kind, int rank) {
    JpegSymbol s;
    s.Kind = kind;
    s.Rank = rank;
    unsigned code = 0;
    for (int length = 1; length <= 16; ++length) {
      code = (code << 1) | read(1);
      const auto found = codes_[tableClass].find({length, code});
      if (found == codes_[tableClass].end()) continue;
      s.Symbol = found->second;
      s.Code = {static_cast<std::uint16_t>(code), static_cast<std::uint8_t>(length)};
      s.Size = tableClass == 0 ? s.Symbol : s.Symbol & 15;
      s.Run = tableClass == 0 ? 0 : s.Symbol >> 4;
      s.Amplitude = static_cast<std::uint16_t>(read(s.Size));
      // Amplitude bits that start with 0 stand for a negative value.
      const int amplitude = s.Amplitude;
      s.Value =
          s.Size > 0 && amplitude < (1 << (s.Size - 1)) ? amplitude - (1 << s.Size) + 1 : amplitude;
      return s;
    }
    throw std::runtime_error("no Huffman code matches the bits");
  }

  std::map<std::pair<int, unsigned>, std::uint8_t> codes_[2];
  Bytes data_;
  std::size_t position_ = 0;
};

struct Case {
  std::string name;
  const GreyImage* picture;
  JpegSetting setting;
};

// Every picture in every setting: odd sizes with partial blocks, a single
// pixel, the largest DC differences (black beside white), and the built-in
// photograph; all qualities that the lesson names, and none.
void forEachCase(const std::function<void(const Case&, const JpegCompressed&)>& check) {
  static const std::vector<std::pair<std::string, GreyImage>> pictures = [] {
    std::vector<std::uint8_t> blackWhite(16 * 8);
    for (std::size_t i = 0; i < blackWhite.size(); ++i) blackWhite[i] = i % 16 < 8 ? 0 : 255;
    return std::vector<std::pair<std::string, GreyImage>>{
        {"1x1", SeededPicture(1, 1, 128, 1)},
        {"8x8 noise", SeededPicture(8, 8, 128, 2)},
        {"17x9", SeededPicture(17, 9, 40, 3)},
        {"9x17", SeededPicture(9, 17, 4, 4)},
        {"3x250", SeededPicture(3, 250, 10, 5)},
        {"64x1", SeededPicture(64, 1, 0, 6)},
        {"23x31 noise", SeededPicture(23, 31, 128, 7)},
        {"16x8 black and white", *GreyImage::Make(16, 8, blackWhite)},
        {"built-in", BuiltinPicture()},
    };
  }();
  const std::optional<int> qualities[] = {1, 7, 10, 25, 50, 75, 90, 100, std::nullopt};
  for (const auto& [name, picture] : pictures) {
    const JpegPicture jpeg(picture);
    for (const auto quality : qualities) {
      for (const int kept : {0, 1, 10, 64}) {
        const JpegSetting setting{quality ? std::optional(ScaledJpegTable(*quality)) : std::nullopt,
                                  kept};
        const Case c{name + ", quality " + (quality ? std::to_string(*quality) : "none") +
                         ", kept " + std::to_string(kept),
                     &picture, setting};
        SCOPED_TRACE(c.name);
        check(c, jpeg.Compress(setting));
      }
    }
  }
}

// The reference that the literal tests hold the model to scales T.81's
// table as libjpeg-turbo's jpeg_set_quality does, for every quality and
// beyond (0 is taken as 1, 101 as 100).
TEST(JpegLibjpegTest, LiteralStepsAreLibjpegsForEveryQuality) {
  jpeg_compress_struct cinfo{};
  jpeg_error_mgr error{};
  cinfo.err = jpeg_std_error(&error);
  jpeg_create_compress(&cinfo);
  cinfo.in_color_space = JCS_GRAYSCALE;
  cinfo.input_components = 1;
  jpeg_set_defaults(&cinfo);
  for (int quality = 0; quality <= 101; ++quality) {
    jpeg_set_quality(&cinfo, quality, TRUE);
    StepTable theirs{};
    for (int i = 0; i < kGridCount; ++i) theirs[i] = cinfo.quant_tbl_ptrs[0]->quantval[i];
    ASSERT_EQ(LiteralSteps(quality), theirs) << quality;
  }
  jpeg_destroy_compress(&cinfo);
}

TEST(JpegLibjpegTest, HuffmanTablesAreLibjpegsStandardOnes) {
  jpeg_compress_struct cinfo{};
  jpeg_error_mgr error{};
  cinfo.err = jpeg_std_error(&error);
  jpeg_create_compress(&cinfo);
  cinfo.in_color_space = JCS_GRAYSCALE;
  cinfo.input_components = 1;
  jpeg_set_defaults(&cinfo);
  const std::pair<const HuffmanTable*, const JHUFF_TBL*> tables[] = {
      {&kLuminanceDcTable, cinfo.dc_huff_tbl_ptrs[0]},
      {&kLuminanceAcTable, cinfo.ac_huff_tbl_ptrs[0]}};
  for (const auto& [ours, theirs] : tables) {
    std::size_t symbols = 0;
    for (std::size_t length = 1; length <= 16; ++length) {
      EXPECT_EQ(ours->Counts[length - 1], theirs->bits[length]) << length;
      symbols += theirs->bits[length];
    }
    ASSERT_EQ(ours->Symbols.size(), symbols);
    for (std::size_t i = 0; i < symbols; ++i) EXPECT_EQ(ours->Symbols[i], theirs->huffval[i]) << i;
  }
  jpeg_destroy_compress(&cinfo);
}

TEST(JpegLibjpegTest, WritesLibjpegsBytes) {
  int cases = 0;
  forEachCase([&cases](const Case& c, const JpegCompressed& compressed) {
    ++cases;
    const Bytes expected =
        libjpegFile(c.picture->width(), c.picture->height(), compressed.Steps, compressed.Blocks);
    ASSERT_EQ(compressed.File, expected);
  });
  EXPECT_GE(cases, 50);
}

TEST(JpegLibjpegTest, LibjpegReadsTheBlocksBack) {
  forEachCase([](const Case&, const JpegCompressed& compressed) {
    const LibjpegRead read = libjpegRead(compressed.File);
    ASSERT_EQ(read.Blocks, compressed.Blocks);
    ASSERT_EQ(read.Steps, compressed.Steps);
  });
}

// Each block's symbols and bit count as the decoder reads them from the
// file, and with them the rarer symbols: ZRL, and blocks whose last value
// is at rank 63 and so need no EOB.
TEST(JpegLibjpegTest, SymbolsAreThoseInTheFile) {
  int zeroRuns = 0;
  int withoutEnd = 0;
  forEachCase([&](const Case&, const JpegCompressed& compressed) {
    BitDecoder decoder(compressed.File);
    int previousDc = 0;
    for (std::size_t b = 0; b < compressed.Blocks.size(); ++b) {
      QuantisedBlock values{};
      const JpegBlockCode read = decoder.block(values, previousDc);
      const JpegBlockCode ours = CodeOfBlock(compressed, b);
      ASSERT_EQ(ours.Symbols, read.Symbols) << "block " << b;
      ASSERT_EQ(ours.BitCount, read.BitCount) << "block " << b;
      ASSERT_EQ(values, compressed.Blocks[b]) << "block " << b;
      previousDc = values[0];
      for (const JpegSymbol& s : ours.Symbols) zeroRuns += s.Kind == JpegSymbolKind::ZeroRun;
      withoutEnd += ours.Symbols.back().Kind != JpegSymbolKind::EndOfBlock;
    }
    EXPECT_TRUE(decoder.endsInPadding());
  });
  EXPECT_GT(zeroRuns, 0);
  EXPECT_GT(withoutEnd, 0);
}

}  // namespace
}  // namespace dct
