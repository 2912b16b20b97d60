#include "model/picture/SniffFormat.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <string_view>

namespace dct {
namespace {

using namespace std::string_view_literals;

// A format's mark: these bytes at this offset, and optionally a second run.
struct Signature {
  PictureFormat format;
  std::string_view first;
  std::size_t secondAt = 0;
  std::string_view second = {};
};

// ISO media files (HEIF, AVIF) name their brand after "ftyp" at offset 4.
constexpr std::array kSignatures{
    Signature{PictureFormat::Png, "\x89PNG\r\n\x1A\n"sv},
    Signature{PictureFormat::Jpeg, "\xFF\xD8\xFF"sv},
    Signature{PictureFormat::Gif, "GIF87a"sv},
    Signature{PictureFormat::Gif, "GIF89a"sv},
    Signature{PictureFormat::WebP, "RIFF"sv, 8, "WEBP"sv},
    Signature{PictureFormat::Tiff, "II*\0"sv},
    Signature{PictureFormat::Tiff, "MM\0*"sv},
    Signature{PictureFormat::Jpeg2000, "\0\0\0\x0CjP  \r\n\x87\n"sv},
    Signature{PictureFormat::Jpeg2000, "\xFF\x4F\xFF\x51"sv},
    Signature{PictureFormat::JpegXl, "\xFF\x0A"sv},
    Signature{PictureFormat::JpegXl, "\0\0\0\x0CJXL \r\n\x87\n"sv},
    Signature{PictureFormat::Psd, "8BPS"sv},
    Signature{PictureFormat::Avif, ""sv, 4, "ftypavif"sv},
    Signature{PictureFormat::Avif, ""sv, 4, "ftypavis"sv},
    Signature{PictureFormat::Heic, ""sv, 4, "ftypheic"sv},
    Signature{PictureFormat::Heic, ""sv, 4, "ftypheix"sv},
    Signature{PictureFormat::Heic, ""sv, 4, "ftyphevc"sv},
    Signature{PictureFormat::Heic, ""sv, 4, "ftyphevx"sv},
    Signature{PictureFormat::Heic, ""sv, 4, "ftypheim"sv},
    Signature{PictureFormat::Heic, ""sv, 4, "ftypheis"sv},
    Signature{PictureFormat::Heic, ""sv, 4, "ftypmif1"sv},
    Signature{PictureFormat::Heic, ""sv, 4, "ftypmsf1"sv},
};

bool HasAt(std::span<const std::uint8_t> bytes, std::size_t at, std::string_view mark) {
  return at <= bytes.size() && mark.size() <= bytes.size() - at &&
         std::equal(mark.begin(), mark.end(), bytes.begin() + static_cast<std::ptrdiff_t>(at),
                    [](char m, std::uint8_t b) { return static_cast<std::uint8_t>(m) == b; });
}

// Whether the bytes are the start of `mark` and at least `least` long.
bool IsStartOf(std::span<const std::uint8_t> bytes, std::string_view mark, std::size_t least) {
  return bytes.size() >= least && bytes.size() < mark.size() &&
         HasAt(bytes, 0, mark.substr(0, bytes.size()));
}

// Netpbm: "P1" to "P7" and a blank.
bool IsPnm(std::span<const std::uint8_t> bytes) {
  constexpr std::string_view kBlanks = " \t\n\r";
  return bytes.size() >= 3 && bytes[0] == 'P' && bytes[1] >= '1' && bytes[1] <= '7' &&
         kBlanks.find(static_cast<char>(bytes[2])) != std::string_view::npos;
}

// BMP: "BM" and one of the sizes its header has had.
bool IsBmp(std::span<const std::uint8_t> bytes) {
  constexpr std::array<std::uint8_t, 7> kHeaderSizes{12, 40, 52, 56, 64, 108, 124};
  return HasAt(bytes, 0, "BM") && HasAt(bytes, 15, "\0\0\0"sv) &&
         std::find(kHeaderSizes.begin(), kHeaderSizes.end(), bytes[14]) != kHeaderSizes.end();
}

}  // namespace

PictureFormat SniffFormat(std::span<const std::uint8_t> bytes) {
  for (const Signature& s : kSignatures) {
    if (HasAt(bytes, 0, s.first) && (s.second.empty() || HasAt(bytes, s.secondAt, s.second))) {
      return s.format;
    }
  }
  if (IsStartOf(bytes, kSignatures[0].first, 4)) return PictureFormat::Png;
  if (IsStartOf(bytes, kSignatures[1].first, 2)) return PictureFormat::Jpeg;
  if (IsPnm(bytes)) return PictureFormat::Pnm;
  if (IsBmp(bytes)) return PictureFormat::Bmp;
  return PictureFormat::Unknown;
}

}  // namespace dct
