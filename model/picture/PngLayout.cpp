#include "model/picture/PngLayout.h"

#include <algorithm>
#include <array>
#include <optional>

#include "common/PictureLimits.h"
#include "model/picture/Crc32.h"
#include "model/picture/ExifOrientation.h"

namespace dct {
namespace {

constexpr std::array<std::uint8_t, 8> kSignature{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
constexpr std::size_t kChunkOverhead = 12;  // length, name and CRC
constexpr std::uint32_t kLengthMax = 0x7FFFFFFF;
constexpr std::size_t kHeaderLength = 13;
// Deflate makes at most 258 bytes of 2 bits: no stream inflates to more than
// 1032 times its length.
constexpr unsigned long long kInflationMax = 1032;

constexpr std::uint32_t Name(const char (&text)[5]) {
  return static_cast<std::uint32_t>(text[0]) << 24 | static_cast<std::uint32_t>(text[1]) << 16 |
         static_cast<std::uint32_t>(text[2]) << 8 | static_cast<std::uint32_t>(text[3]);
}

std::uint32_t Be32(std::span<const std::uint8_t> bytes, std::size_t at) {
  return static_cast<std::uint32_t>(bytes[at]) << 24 |
         static_cast<std::uint32_t>(bytes[at + 1]) << 16 |
         static_cast<std::uint32_t>(bytes[at + 2]) << 8 | static_cast<std::uint32_t>(bytes[at + 3]);
}

int Be16(std::span<const std::uint8_t> bytes, std::size_t at) {
  return bytes[at] << 8 | bytes[at + 1];
}

bool IsLetter(std::uint8_t c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// PNG's colour types: the samples a pixel has and the depths allowed.
struct ColourType {
  int type;
  int samples;
  std::array<bool, 17> depths;  // by depth, 0..16
};

constexpr std::array<bool, 17> Depths(std::initializer_list<int> allowed) {
  std::array<bool, 17> depths{};
  for (const int d : allowed) depths[static_cast<std::size_t>(d)] = true;
  return depths;
}

constexpr int kGrey = 0, kRgb = 2, kPalette = 3, kGreyAlpha = 4, kRgbAlpha = 6;
const std::array kColourTypes{
    ColourType{kGrey, 1, Depths({1, 2, 4, 8, 16})}, ColourType{kRgb, 3, Depths({8, 16})},
    ColourType{kPalette, 1, Depths({1, 2, 4, 8})},  ColourType{kGreyAlpha, 2, Depths({8, 16})},
    ColourType{kRgbAlpha, 4, Depths({8, 16})},
};

PictureFault Fault(PictureFaultKind kind) { return {kind, PictureFormat::Png}; }

// The chunks in their order, each checked as it comes.
class PngCheck {
 public:
  std::optional<PictureFault> chunk(std::uint32_t name, std::span<const std::uint8_t> data,
                                    std::size_t start) {
    if (!header_ && name != Name("IHDR")) return Fault(PictureFaultKind::Damaged);
    if (idat_ == Idat::Inside && name != Name("IDAT")) idat_ = Idat::After;
    switch (name) {
      case Name("IHDR"):
        return header(data);
      case Name("PLTE"):
        return palette(data, start);
      case Name("tRNS"):
        return transparency(data);
      case Name("IDAT"):
        if (idat_ == Idat::After || (colour_->type == kPalette && layout_.paletteEntries == 0)) {
          return Fault(PictureFaultKind::Damaged);
        }
        idat_ = Idat::Inside;
        idatBytes_ += data.size();
        return std::nullopt;
      case Name("IEND"):
        return end(data);
      case Name("eXIf"):
        if (!exifSeen_) layout_.orientation = ExifOrientation(data);
        exifSeen_ = true;
        return std::nullopt;
      default:
        // Bit 5 of the first letter clear: a chunk a decoder must understand.
        if ((name & 0x20000000U) == 0) return Fault(PictureFaultKind::Damaged);
        return std::nullopt;
    }
  }

  bool ended() const { return ended_; }
  const PictureLayout& layout() const { return layout_; }

 private:
  enum class Idat { None, Inside, After };

  std::optional<PictureFault> header(std::span<const std::uint8_t> data) {
    if (header_ || data.size() != kHeaderLength) return Fault(PictureFaultKind::Damaged);
    header_ = true;
    const std::uint32_t width = Be32(data, 0);
    const std::uint32_t height = Be32(data, 4);
    depth_ = data[8];
    const auto type = std::find_if(kColourTypes.begin(), kColourTypes.end(),
                                   [&](const ColourType& c) { return c.type == data[9]; });
    if (width == 0 || height == 0 || width > kLengthMax || height > kLengthMax ||
        type == kColourTypes.end() || depth_ > 16 ||
        !type->depths[static_cast<std::size_t>(depth_)] || data[10] != 0 || data[11] != 0 ||
        data[12] > 1) {
      return Fault(PictureFaultKind::Damaged);
    }
    colour_ = &*type;
    if (static_cast<long long>(width) * height > kDecodedPixelsMax) {
      return PictureFault{
          PictureFaultKind::TooLarge, PictureFormat::Png, PictureVariant::None, width, height,
          kDecodedPixelsMax};
    }
    layout_.width = static_cast<int>(width);
    layout_.height = static_cast<int>(height);
    layout_.sixteenBit = depth_ == 16;
    return std::nullopt;
  }

  std::optional<PictureFault> palette(std::span<const std::uint8_t> data, std::size_t start) {
    const std::size_t entries = data.size() / 3;
    if (layout_.paletteEntries != 0 || idat_ != Idat::None || colour_->type == kGrey ||
        colour_->type == kGreyAlpha || data.size() % 3 != 0 || entries == 0 || entries > 256) {
      return Fault(PictureFaultKind::Damaged);
    }
    layout_.paletteEntries = static_cast<int>(entries);
    if (colour_->type == kPalette) {
      layout_.paletteChunk = start;
      layout_.paletteIndices = 1 << depth_;
    }
    return std::nullopt;
  }

  // A palette's alphas, or the one colour of a grey or RGB picture that is
  // transparent, each sample within the depth.
  std::optional<PictureFault> transparency(std::span<const std::uint8_t> data) {
    const auto damaged = Fault(PictureFaultKind::Damaged);
    if (transparencySeen_ || idat_ != Idat::None) return damaged;
    transparencySeen_ = true;
    if (colour_->type == kPalette) {
      if (layout_.paletteEntries == 0 || data.size() > std::size_t(layout_.paletteEntries)) {
        return damaged;
      }
      return std::nullopt;
    }
    if ((colour_->type != kGrey && colour_->type != kRgb) ||
        data.size() != 2 * std::size_t(colour_->samples)) {
      return damaged;
    }
    for (std::size_t at = 0; at < data.size(); at += 2) {
      if (Be16(data, at) >= 1 << depth_) return damaged;
    }
    return std::nullopt;
  }

  std::optional<PictureFault> end(std::span<const std::uint8_t> data) {
    if (!data.empty() || idat_ == Idat::None) return Fault(PictureFaultKind::Damaged);
    ended_ = true;
    // However it is interlaced, the data hold at least every pixel's bits.
    const auto bits = static_cast<unsigned long long>(layout_.width) *
                      static_cast<unsigned long long>(layout_.height) *
                      static_cast<unsigned long long>(colour_->samples * depth_);
    if (bits / 8 > idatBytes_ * kInflationMax) return Fault(PictureFaultKind::Damaged);
    return std::nullopt;
  }

  bool header_ = false;
  const ColourType* colour_ = nullptr;
  int depth_ = 0;
  bool transparencySeen_ = false;
  bool exifSeen_ = false;
  bool ended_ = false;
  Idat idat_ = Idat::None;
  unsigned long long idatBytes_ = 0;
  PictureLayout layout_;
};

}  // namespace

std::variant<PictureLayout, PictureFault> CheckPng(std::span<const std::uint8_t> bytes) {
  const std::size_t signature = std::min(bytes.size(), kSignature.size());
  if (!std::equal(kSignature.begin(), kSignature.begin() + signature, bytes.begin())) {
    return PictureFault{PictureFaultKind::NotAPicture};
  }
  PngCheck check;
  std::size_t at = kSignature.size();
  while (!check.ended()) {
    if (at > bytes.size() || bytes.size() - at < kChunkOverhead) {
      return Fault(PictureFaultKind::Truncated);
    }
    const std::uint32_t length = Be32(bytes, at);
    const auto name = bytes.subspan(at + 4, 4);
    if (length > kLengthMax || !std::all_of(name.begin(), name.end(), IsLetter)) {
      return Fault(PictureFaultKind::Damaged);
    }
    if (bytes.size() - at - kChunkOverhead < length) return Fault(PictureFaultKind::Truncated);
    const auto named = bytes.subspan(at + 4, 4 + std::size_t{length});
    if (Crc32(named) != Be32(bytes, at + 8 + length)) return Fault(PictureFaultKind::Damaged);
    if (const auto fault = check.chunk(Be32(bytes, at + 4), named.subspan(4), at)) return *fault;
    at += kChunkOverhead + length;
  }
  return check.layout();
}

}  // namespace dct
