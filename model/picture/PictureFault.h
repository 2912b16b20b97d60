#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace dct {

// What a file's first bytes say it is. Only PNG and JPEG are read; the others
// are named so that a refusal can say what the file is.
enum class PictureFormat {
  Unknown,
  Png,
  Jpeg,
  Gif,
  Bmp,
  WebP,
  Heic,
  Avif,
  Tiff,
  Pnm,
  Jpeg2000,
  JpegXl,
  Psd,
};

// The format's own name, the same in every language; empty for Unknown.
inline std::string_view FormatName(PictureFormat format) {
  constexpr std::array<std::string_view, 13> kNames{
      "",     "PNG",  "JPEG",         "GIF",       "BMP",     "WebP",     "HEIC",
      "AVIF", "TIFF", "Netpbm (PNM)", "JPEG 2000", "JPEG XL", "Photoshop"};
  return kNames[static_cast<std::size_t>(format)];
}

// The kinds of PNG or JPEG that are recognised but not read.
enum class PictureVariant {
  None,
  JpegArithmetic,      // arithmetic coding instead of Huffman's
  JpegLossless,        // JPEG's lossless process
  JpegHierarchical,    // JPEG's hierarchical process
  JpegHighPrecision,   // 12 or 16 bits a sample
  JpegUnclearColours,  // four components without Adobe's marker, two, or
                       // markers that contradict each other: decoders differ
};

enum class PictureFaultKind {
  Empty,        // no bytes at all
  NotAPicture,  // starts as no picture format does
  Unsupported,  // a `format` that is not read, or a `variant` of PNG or JPEG
  Truncated,    // ends before the picture does
  Damaged,      // its structure is broken
  TooLarge,     // width × height above `limit` pixels
  OutOfMemory,  // more than the memory at hand to decode
};

// Why a picture file gives no picture: enough for each edition to word its
// own one-line message. No text from a decoder library is kept.
struct PictureFault {
  PictureFaultKind kind = PictureFaultKind::Damaged;
  PictureFormat format = PictureFormat::Unknown;  // as far as it was recognised
  PictureVariant variant = PictureVariant::None;
  // For TooLarge: the sides the file gives, as stored (before any EXIF
  // orientation), and the most pixels read.
  long long width = 0;
  long long height = 0;
  long long limit = 0;

  bool operator==(const PictureFault&) const = default;
};

}  // namespace dct
