#include "model/picture/JpegLayout.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string_view>
#include <vector>

#include "common/PictureLimits.h"
#include "model/picture/ExifOrientation.h"

namespace dct {
namespace {

using namespace std::string_view_literals;
using Bytes = std::span<const std::uint8_t>;

constexpr std::uint8_t kFill = 0xFF;
constexpr std::uint8_t kSoi = 0xD8;
constexpr std::uint8_t kEoi = 0xD9;
constexpr std::uint8_t kSos = 0xDA;
constexpr std::uint8_t kDqt = 0xDB;
constexpr std::uint8_t kDht = 0xC4;
constexpr std::uint8_t kDri = 0xDD;
constexpr std::uint8_t kRst0 = 0xD0;
constexpr std::uint8_t kRst7 = 0xD7;
constexpr std::uint8_t kApp0 = 0xE0;
constexpr std::uint8_t kApp1 = 0xE1;
constexpr std::uint8_t kApp14 = 0xEE;
constexpr std::uint8_t kAppLast = 0xEF;
constexpr std::uint8_t kComment = 0xFE;
constexpr std::size_t kTables = 4;
constexpr long long kBlockSide = 8;
constexpr std::size_t kHuffmanCounts = 16;
constexpr std::size_t kBlockValues = 64;
// libjpeg takes APP0 for JFIF only when it holds the whole JFIF header.
constexpr std::size_t kJfifHeader = 14;
constexpr std::size_t kAdobeHeader = 12;

// The markers of JPEG's processes that are not read: their frames (SOF3,
// SOF5 to SOF7, SOF9 to SOF11, SOF13 to SOF15) and their own tables.
struct UnreadMarker {
  std::uint8_t marker;
  PictureVariant variant;
};
constexpr std::array kUnread{
    UnreadMarker{0xC3, PictureVariant::JpegLossless},
    UnreadMarker{0xC5, PictureVariant::JpegHierarchical},
    UnreadMarker{0xC6, PictureVariant::JpegHierarchical},
    UnreadMarker{0xC7, PictureVariant::JpegHierarchical},
    UnreadMarker{0xC9, PictureVariant::JpegArithmetic},
    UnreadMarker{0xCA, PictureVariant::JpegArithmetic},
    UnreadMarker{0xCB, PictureVariant::JpegArithmetic},
    UnreadMarker{0xCC, PictureVariant::JpegArithmetic},  // DAC
    UnreadMarker{0xCD, PictureVariant::JpegArithmetic},
    UnreadMarker{0xCE, PictureVariant::JpegArithmetic},
    UnreadMarker{0xCF, PictureVariant::JpegArithmetic},
    UnreadMarker{0xDE, PictureVariant::JpegHierarchical},  // DHP
    UnreadMarker{0xDF, PictureVariant::JpegHierarchical},  // EXP
};

PictureFault Fault(PictureFaultKind kind, PictureVariant variant = PictureVariant::None) {
  return {kind, PictureFormat::Jpeg, variant};
}

const PictureFault kDamaged = Fault(PictureFaultKind::Damaged);

int Be16(Bytes bytes, std::size_t at) { return bytes[at] << 8 | bytes[at + 1]; }

long long Ceiling(long long value, long long step) { return (value + step - 1) / step; }

bool StartsWith(Bytes bytes, std::string_view text) {
  return bytes.size() >= text.size() &&
         std::equal(text.begin(), text.end(), bytes.begin(),
                    [](char t, std::uint8_t b) { return static_cast<std::uint8_t>(t) == b; });
}

struct Component {
  int id;
  int across;  // horizontal sampling factor
  int down;    // vertical sampling factor
  std::size_t quantisation;
  bool covered = false;
};

// The segments in their order, each checked as it comes.
class JpegCheck {
 public:
  std::optional<PictureFault> segment(std::uint8_t marker, Bytes data) {
    if (marker == 0xC0 || marker == 0xC1) return frame(data, false);
    if (marker == 0xC2) return frame(data, true);
    for (const UnreadMarker& unread : kUnread) {
      if (marker == unread.marker) return Fault(PictureFaultKind::Unsupported, unread.variant);
    }
    switch (marker) {
      case kSos:
        return scan(data);
      case kDqt:
        return quantisation(data);
      case kDht:
        return huffman(data);
      case kDri:
        if (data.size() != 2) return kDamaged;
        restartInterval_ = Be16(data, 0);
        return std::nullopt;
      case kComment:
        return std::nullopt;
      default:
        if (marker < kApp0 || marker > kAppLast) return kDamaged;
        application(marker, data);
        return std::nullopt;
    }
  }

  // At EOI, with the length of all the scans' entropy-coded data.
  std::optional<PictureFault> finish(unsigned long long entropyBytes) const {
    if (components_.empty() || scans_ == 0) return kDamaged;
    if (!std::all_of(components_.begin(), components_.end(),
                     [](const Component& c) { return c.covered; })) {
      return kDamaged;
    }
    // Every block takes at least a bit in a progressive scan of its DC
    // values, and two in a sequential scan: a DC code and an AC code.
    const unsigned long long bitsPerBlock = progressive_ ? 1 : 2;
    if (blocks() * bitsPerBlock > 8 * entropyBytes) return Fault(PictureFaultKind::Truncated);
    if (!coloursClear()) {
      return Fault(PictureFaultKind::Unsupported, PictureVariant::JpegUnclearColours);
    }
    return std::nullopt;
  }

  // After a scan's entropy-coded data: a restart marker after every
  // interval of its MCUs but the last, RST0 to RST7 in turn, and none
  // without an interval. The decoder would end the scan at the first one
  // missing, leaving the rest of the picture unset.
  std::optional<PictureFault> restarts(long long count, bool inTurn) const {
    const long long expected =
        restartInterval_ == 0 ? 0 : (scanUnits_ + restartInterval_ - 1) / restartInterval_ - 1;
    if (count != expected || !inTurn) return kDamaged;
    return std::nullopt;
  }

  const PictureLayout& layout() const { return layout_; }

 private:
  std::optional<PictureFault> frame(Bytes data, bool progressive) {
    if (!components_.empty() || data.size() < 6) return kDamaged;
    progressive_ = progressive;
    const int precision = data[0];
    const int height = Be16(data, 1);
    const int width = Be16(data, 3);
    const std::size_t count = data[5];
    if (precision != 8) {
      if (precision == 12 || precision == 16) {
        return Fault(PictureFaultKind::Unsupported, PictureVariant::JpegHighPrecision);
      }
      return kDamaged;
    }
    if (width == 0 || height == 0 || count == 0 || data.size() != 6 + 3 * count) return kDamaged;
    if (static_cast<long long>(width) * height > kDecodedPixelsMax) {
      return PictureFault{
          PictureFaultKind::TooLarge, PictureFormat::Jpeg, PictureVariant::None, width, height,
          kDecodedPixelsMax};
    }
    if (count != 1 && count != 3 && count != 4) {
      return Fault(PictureFaultKind::Unsupported, PictureVariant::JpegUnclearColours);
    }
    for (std::size_t i = 0; i < count; ++i) {
      const Component c{data[6 + 3 * i], data[7 + 3 * i] >> 4, data[7 + 3 * i] & 15,
                        data[8 + 3 * i]};
      if (c.across < 1 || c.across > 4 || c.down < 1 || c.down > 4 || c.quantisation >= kTables ||
          find(c.id) != nullptr) {
        return kDamaged;
      }
      components_.push_back(c);
    }
    layout_.width = width;
    layout_.height = height;
    return std::nullopt;
  }

  // A scan header; the tables it uses must be there already.
  std::optional<PictureFault> scan(Bytes data) {
    if (components_.empty() || data.empty()) return kDamaged;
    const std::size_t count = data[0];
    if (count < 1 || count > components_.size() || data.size() != 4 + 2 * count) return kDamaged;
    const bool dc = data[1 + 2 * count] == 0;
    const bool firstDc = dc && (data[3 + 2 * count] >> 4) == 0;
    const bool usesDcTable = !progressive_ || firstDc;
    const bool usesAcTable = !progressive_ || !dc;
    std::vector<int> seen;
    for (std::size_t i = 0; i < count; ++i) {
      const int id = data[1 + 2 * i];
      const std::size_t dcTable = data[2 + 2 * i] >> 4;
      const std::size_t acTable = data[2 + 2 * i] & 15U;
      Component* c = find(id);
      if (c == nullptr || std::find(seen.begin(), seen.end(), id) != seen.end() ||
          !quantisation_[c->quantisation] ||
          (usesDcTable && (dcTable >= kTables || !dcTables_[dcTable])) ||
          (usesAcTable && (acTable >= kTables || !acTables_[acTable]))) {
        return kDamaged;
      }
      seen.push_back(id);
      c->covered = c->covered || usesDcTable;
    }
    // A scan of one component takes its blocks one by one; one of several,
    // an MCU of the largest sampling factors at a time.
    scanUnits_ = count == 1 ? blocksOf(*find(data[1]))
                            : Ceiling(layout_.width, kBlockSide * mostAcross()) *
                                  Ceiling(layout_.height, kBlockSide * mostDown());
    ++scans_;
    return std::nullopt;
  }

  std::optional<PictureFault> quantisation(Bytes data) {
    for (std::size_t at = 0; at < data.size();) {
      const std::size_t precision = data[at] >> 4;
      const std::size_t table = data[at] & 15U;
      const std::size_t size = 1 + kBlockValues * (precision + 1);
      if (precision > 1 || table >= kTables || data.size() - at < size) return kDamaged;
      quantisation_[table] = true;
      at += size;
    }
    return std::nullopt;
  }

  std::optional<PictureFault> huffman(Bytes data) {
    for (std::size_t at = 0; at < data.size();) {
      if (data.size() - at < 1 + kHuffmanCounts) return kDamaged;
      const std::size_t kind = data[at] >> 4;
      const std::size_t table = data[at] & 15U;
      const auto counts = data.subspan(at + 1, kHuffmanCounts);
      std::size_t values = 0;
      for (const std::uint8_t n : counts) values += n;
      if (kind > 1 || table >= kTables || values > 256 ||
          data.size() - at - 1 - kHuffmanCounts < values) {
        return kDamaged;
      }
      (kind == 0 ? dcTables_ : acTables_)[table] = true;
      at += 1 + kHuffmanCounts + values;
    }
    return std::nullopt;
  }

  // JFIF's and Adobe's markers decide the colours; each decoder has its own
  // idea of when they count. EXIF gives the orientation.
  void application(std::uint8_t marker, Bytes data) {
    if (marker == kApp0 && StartsWith(data, "JFIF\0"sv)) {
      jfifDecoder_ = true;
      jfifLibjpeg_ = jfifLibjpeg_ || data.size() >= kJfifHeader;
    }
    if (marker == kApp1 && StartsWith(data, "Exif\0"sv) && !exifSeen_) {
      exifSeen_ = true;
      if (StartsWith(data, "Exif\0\0"sv)) layout_.orientation = ExifOrientation(data.subspan(6));
    }
    if (marker == kApp14 && data.size() >= kAdobeHeader && StartsWith(data, "Adobe"sv)) {
      adobeLibjpeg_ = data[11];
      if (data[5] == 0) adobeDecoder_ = data[11];
    }
  }

  // Whether this program's decoder and libjpeg take the components for the
  // same colours: three as RGB or as YCbCr, four as CMYK or YCCK.
  bool coloursClear() const {
    if (components_.size() == 1) return true;
    if (components_.size() == 3) {
      const bool rgbIds =
          components_[0].id == 'R' && components_[1].id == 'G' && components_[2].id == 'B';
      const bool decoderRgb = rgbIds || (adobeDecoder_ == 0 && !jfifDecoder_);
      const bool libjpegRgb = !jfifLibjpeg_ && (adobeLibjpeg_ ? *adobeLibjpeg_ == 0 : rgbIds);
      return decoderRgb == libjpegRgb;
    }
    return adobeDecoder_ && adobeDecoder_ == adobeLibjpeg_ &&
           (*adobeDecoder_ == 0 || *adobeDecoder_ == 2);
  }

  int mostAcross() const {
    int most = 1;
    for (const Component& c : components_) most = std::max(most, c.across);
    return most;
  }

  int mostDown() const {
    int most = 1;
    for (const Component& c : components_) most = std::max(most, c.down);
    return most;
  }

  // A component's blocks: its samples, fewer where it is subsampled, in
  // blocks of 8×8, the last ones partial.
  long long blocksOf(const Component& c) const {
    const long long wide = Ceiling(static_cast<long long>(layout_.width) * c.across, mostAcross());
    const long long tall = Ceiling(static_cast<long long>(layout_.height) * c.down, mostDown());
    return Ceiling(wide, kBlockSide) * Ceiling(tall, kBlockSide);
  }

  unsigned long long blocks() const {
    long long total = 0;
    for (const Component& c : components_) total += blocksOf(c);
    return static_cast<unsigned long long>(total);
  }

  Component* find(int id) {
    const auto c = std::find_if(components_.begin(), components_.end(),
                                [id](const Component& c) { return c.id == id; });
    return c == components_.end() ? nullptr : &*c;
  }

  bool progressive_ = false;
  int scans_ = 0;
  long long restartInterval_ = 0;  // in MCUs, 0 for none
  long long scanUnits_ = 0;        // the MCUs of the last scan
  std::vector<Component> components_;
  std::array<bool, kTables> quantisation_{};
  std::array<bool, kTables> dcTables_{};
  std::array<bool, kTables> acTables_{};
  bool jfifDecoder_ = false;
  bool jfifLibjpeg_ = false;
  std::optional<int> adobeDecoder_;
  std::optional<int> adobeLibjpeg_;
  bool exifSeen_ = false;
  PictureLayout layout_;
};

// A scan's entropy-coded data: where they end, at the first marker that is
// neither a stuffed 0xFF (0xFF 0x00) nor a restart marker, fill bytes before
// it included; how many restart markers they hold, and whether those count
// RST0 to RST7 in turn.
struct EntropyData {
  std::size_t end = 0;
  long long restarts = 0;
  bool inTurn = true;
};

// Nothing when the file ends first.
std::optional<EntropyData> EntropyEnd(Bytes bytes, std::size_t at) {
  EntropyData data;
  for (;;) {
    at = static_cast<std::size_t>(
        std::find(bytes.begin() + static_cast<std::ptrdiff_t>(at), bytes.end(), kFill) -
        bytes.begin());
    std::size_t next = at + 1;
    while (next < bytes.size() && bytes[next] == kFill) ++next;
    if (next >= bytes.size()) return std::nullopt;
    const std::uint8_t marker = bytes[next];
    if (marker >= kRst0 && marker <= kRst7) {
      data.inTurn = data.inTurn && marker - kRst0 == data.restarts % 8;
      ++data.restarts;
    } else if (marker != 0) {
      data.end = at;
      return data;
    }
    at = next + 1;
  }
}

}  // namespace

std::variant<PictureLayout, PictureFault> CheckJpeg(Bytes bytes) {
  if (bytes.size() < 2 || bytes[0] != kFill || bytes[1] != kSoi) {
    return PictureFault{PictureFaultKind::NotAPicture};
  }
  JpegCheck check;
  unsigned long long entropyBytes = 0;
  std::size_t at = 2;
  for (;;) {
    if (at < bytes.size() && bytes[at] != kFill) return kDamaged;
    while (at < bytes.size() && bytes[at] == kFill) ++at;
    if (at >= bytes.size()) return Fault(PictureFaultKind::Truncated);
    const std::uint8_t marker = bytes[at++];
    if (marker == kEoi) {
      if (const auto fault = check.finish(entropyBytes)) return *fault;
      return check.layout();
    }
    // A marker that stands alone here, or none.
    if (marker == 0 || marker == 0x01 || marker == kSoi || (marker >= kRst0 && marker <= kRst7)) {
      return kDamaged;
    }
    if (bytes.size() - at < 2) return Fault(PictureFaultKind::Truncated);
    const auto length = static_cast<std::size_t>(Be16(bytes, at));
    if (length < 2) return kDamaged;
    if (bytes.size() - at < length) return Fault(PictureFaultKind::Truncated);
    if (const auto fault = check.segment(marker, bytes.subspan(at + 2, length - 2))) return *fault;
    at += length;
    if (marker == kSos) {
      const auto entropy = EntropyEnd(bytes, at);
      if (!entropy) return Fault(PictureFaultKind::Truncated);
      if (const auto fault = check.restarts(entropy->restarts, entropy->inTurn)) return *fault;
      entropyBytes += entropy->end - at;
      at = entropy->end;
    }
  }
}

}  // namespace dct
