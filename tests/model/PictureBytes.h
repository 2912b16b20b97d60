#pragma once

// Small PNG and JPEG files built byte by byte for the decoder's tests, from
// the formats' own rules: PNG chunks with their CRC-32 and a zlib stream of
// stored (uncompressed) blocks; JPEG files of flat 8×8 blocks, each coded
// by its DC value alone, which every decoder must reproduce exactly.
#include <cstdint>
#include <initializer_list>
#include <string_view>
#include <vector>

#include "model/picture/Crc32.h"

namespace dct::test {

using Bytes = std::vector<std::uint8_t>;

inline void AppendBe(Bytes& out, std::uint32_t value, int size) {
  for (int shift = 8 * (size - 1); shift >= 0; shift -= 8) {
    out.push_back(static_cast<std::uint8_t>(value >> shift));
  }
}

inline Bytes Join(std::initializer_list<Bytes> parts) {
  Bytes out;
  for (const Bytes& part : parts) out.insert(out.end(), part.begin(), part.end());
  return out;
}

inline Bytes Text(std::string_view text) { return {text.begin(), text.end()}; }

// --- PNG ---

inline const Bytes kPngSignature{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

inline Bytes Chunk(std::string_view name, const Bytes& data) {
  const Bytes named = Join({Text(name), data});
  Bytes length;
  AppendBe(length, static_cast<std::uint32_t>(data.size()), 4);
  Bytes crc;
  AppendBe(crc, Crc32(named), 4);
  return Join({length, named, crc});
}

inline Bytes Ihdr(std::uint32_t width, std::uint32_t height, int depth, int colourType,
                  int interlace = 0) {
  Bytes data;
  AppendBe(data, width, 4);
  AppendBe(data, height, 4);
  for (const int b : {depth, colourType, 0, 0, interlace})
    data.push_back(static_cast<std::uint8_t>(b));
  return Chunk("IHDR", data);
}

// A zlib stream of one stored block, and its Adler-32.
inline Bytes Zlib(const Bytes& raw) {
  Bytes out{0x78, 0x01, 0x01};
  const auto size = static_cast<std::uint32_t>(raw.size());
  out.push_back(static_cast<std::uint8_t>(size));
  out.push_back(static_cast<std::uint8_t>(size >> 8));
  out.push_back(static_cast<std::uint8_t>(~size));
  out.push_back(static_cast<std::uint8_t>(~size >> 8));
  out.insert(out.end(), raw.begin(), raw.end());
  std::uint32_t a = 1, b = 0;
  for (const std::uint8_t byte : raw) {
    a = (a + byte) % 65521;
    b = (b + a) % 65521;
  }
  AppendBe(out, b << 16 | a, 4);
  return out;
}

// IDAT of the rows given, each row's bytes after filter type 0.
inline Bytes Idat(const std::vector<Bytes>& rows) {
  Bytes raw;
  for (const Bytes& row : rows) {
    raw.push_back(0);
    raw.insert(raw.end(), row.begin(), row.end());
  }
  return Chunk("IDAT", Zlib(raw));
}

inline Bytes Png(std::initializer_list<Bytes> chunks) {
  Bytes out = kPngSignature;
  for (const Bytes& c : chunks) out.insert(out.end(), c.begin(), c.end());
  return out;
}

inline Bytes Iend() { return Chunk("IEND", {}); }

// --- JPEG ---

inline Bytes Segment(std::uint8_t marker, const Bytes& data) {
  Bytes head{0xFF, marker};
  AppendBe(head, static_cast<std::uint32_t>(data.size() + 2), 2);
  return Join({head, data});
}

// Writes bits from the most significant, stuffing a 0 after each 0xFF and
// padding the last byte with ones.
class BitWriter {
 public:
  void put(std::uint32_t value, int count) {
    for (int i = count - 1; i >= 0; --i) {
      byte_ = static_cast<std::uint8_t>(byte_ << 1 | ((value >> i) & 1U));
      if (++filled_ == 8) flush();
    }
  }
  Bytes finish() {
    while (filled_ != 0) put(1, 1);
    return out_;
  }
  // Pads the byte and adds restart marker RSTn.
  void restart(int n) {
    finish();
    out_.insert(out_.end(), {0xFF, static_cast<std::uint8_t>(0xD0 + n % 8)});
  }

 private:
  void flush() {
    out_.push_back(byte_);
    if (byte_ == 0xFF) out_.push_back(0);
    byte_ = 0;
    filled_ = 0;
  }
  Bytes out_;
  std::uint8_t byte_ = 0;
  int filled_ = 0;
};

// The parts of a baseline JPEG of flat blocks in one row, 8·blocks wide and
// 8 tall: components with ids 1, 2, ... each sampled 1×1, all in one
// interleaved scan. Quantisation steps of 1, so that a block of level L has
// the DC value 8·(L − 128); a DC table with a 4-bit code for each size
// category (the code is the category), an AC table whose only code, "0", is
// EOB. With a restart interval, a restart marker after every `interval`
// blocks but the last, the DC values starting anew after each.
using Levels = std::vector<std::vector<int>>;

struct FlatJpeg {
  Bytes quantisation;
  Bytes huffman;
  Bytes frame;
  Bytes scan;
  Bytes data;

  // levels[c][b]: component c's level in block b.
  explicit FlatJpeg(const Levels& levels, std::uint8_t frameMarker = 0xC0, int interval = 0) {
    const auto components = static_cast<std::uint8_t>(levels.size());
    const auto blocks = static_cast<std::uint32_t>(levels[0].size());
    Bytes dqt{0x00};
    dqt.insert(dqt.end(), 64, 1);
    quantisation = Segment(0xDB, dqt);
    Bytes dc{0x00, 0, 0, 0, 12};
    dc.insert(dc.end(), 12, 0);
    for (std::uint8_t category = 0; category < 12; ++category) dc.push_back(category);
    Bytes ac{0x10, 1};
    ac.insert(ac.end(), 15, 0);
    ac.push_back(0x00);
    huffman = Join({Segment(0xC4, dc), Segment(0xC4, ac)});
    Bytes sof{8};
    AppendBe(sof, 8, 2);
    AppendBe(sof, 8 * blocks, 2);
    sof.push_back(components);
    for (std::uint8_t c = 1; c <= components; ++c) sof.insert(sof.end(), {c, 0x11, 0});
    frame = Segment(frameMarker, sof);
    Bytes sos{components};
    for (std::uint8_t c = 1; c <= components; ++c) sos.insert(sos.end(), {c, 0x00});
    sos.insert(sos.end(), {0, 63, 0});
    scan = Segment(0xDA, sos);

    BitWriter bits;
    std::vector<int> previous(components, 0);
    for (std::size_t b = 0; b < blocks; ++b) {
      if (interval > 0 && b > 0 && b % static_cast<std::size_t>(interval) == 0) {
        bits.restart(static_cast<int>(b) / interval - 1);
        previous.assign(components, 0);
      }
      for (std::size_t c = 0; c < components; ++c) {
        const int value = 8 * (levels[c][b] - 128);
        const int diff = value - previous[c];
        previous[c] = value;
        int category = 0;
        while ((diff < 0 ? -diff : diff) >> category) ++category;
        bits.put(static_cast<std::uint32_t>(category), 4);
        const int coded = diff < 0 ? diff + (1 << category) - 1 : diff;
        bits.put(static_cast<std::uint32_t>(coded), category);
        bits.put(0, 1);  // EOB
      }
    }
    data = bits.finish();
  }

  // SOI, `before` (APPn segments, say), the tables, the frame, the scan and
  // its data, EOI.
  Bytes file(const Bytes& before = {}) const {
    return Join({{0xFF, 0xD8}, before, quantisation, huffman, frame, scan, data, {0xFF, 0xD9}});
  }
};

}  // namespace dct::test
