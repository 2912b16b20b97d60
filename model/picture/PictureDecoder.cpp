#include "model/picture/PictureDecoder.h"

#include <array>
#include <optional>

#include "model/picture/DecodedSamples.h"
#include "model/picture/JpegLayout.h"
#include "model/picture/Orientation.h"
#include "model/picture/PaddedPalette.h"
#include "model/picture/PictureReducer.h"
#include "model/picture/PngLayout.h"
#include "model/picture/ReducedPicture.h"
#include "model/picture/SniffFormat.h"

namespace dct {
namespace {

// The colour that a padded palette's extra entries have; none (no pixel has
// a part of -1) when the palette was not padded.
using Marker = std::array<int, 3>;
constexpr Marker kNoMarker{-1, -1, -1};

int EightBits(std::uint8_t sample) { return sample; }
int EightBits(std::uint16_t sample) { return EightBitSample(sample); }

// The upright grey picture, reduced, of decoded samples of `Channels` a
// pixel, one pixel at a time in the order they are stored; nothing when a
// pixel has the marker colour of a padded palette. One loop for each kind of
// pixel, so that the compiler can make each straight.
template <int Channels, typename Sample>
std::optional<GreyImage> UprightGrey(const DecodedSamples& decoded, std::span<const Sample> samples,
                                     const Orientation& turn, const Marker& marker) {
  constexpr bool kGrey = Channels < 3;
  constexpr bool kAlpha = Channels % 2 == 0;
  PictureReducer reducer(turn.width(), turn.height(), kLessonSideMax);
  const Orientation::Place step = turn.stepAlongRow();
  const Sample* pixel = samples.data();
  for (int y = 0; y < decoded.height; ++y) {
    Orientation::Place place = turn.placeOf(0, y);
    for (int x = 0; x < decoded.width; ++x, pixel += Channels) {
      const int red = EightBits(pixel[0]);
      const int green = kGrey ? red : EightBits(pixel[1]);
      const int blue = kGrey ? red : EightBits(pixel[2]);
      const int opacity = kAlpha ? EightBits(pixel[Channels - 1]) : kLevelMax;
      if (red == marker[0] && green == marker[1] && blue == marker[2]) return std::nullopt;
      reducer.add(place.x, place.y, GreyOverWhite(red, green, blue, opacity));
      place.x += step.x;
      place.y += step.y;
    }
  }
  return reducer.result();
}

template <typename Sample>
std::optional<GreyImage> UprightGrey(const DecodedSamples& decoded, std::span<const Sample> samples,
                                     int orientation, const Marker& marker) {
  const Orientation turn(orientation, decoded.width, decoded.height);
  switch (decoded.channels) {
    case 1:
      return UprightGrey<1>(decoded, samples, turn, marker);
    case 2:
      return UprightGrey<2>(decoded, samples, turn, marker);
    case 3:
      return UprightGrey<3>(decoded, samples, turn, marker);
    case 4:
      return UprightGrey<4>(decoded, samples, turn, marker);
    default:
      return std::nullopt;
  }
}

std::variant<PictureLayout, PictureFault> Check(PictureFormat format,
                                                std::span<const std::uint8_t> bytes) {
  return format == PictureFormat::Png ? CheckPng(bytes) : CheckJpeg(bytes);
}

}  // namespace

std::variant<GreyImage, PictureFault> ReadPictureFile(std::span<const std::uint8_t> bytes) {
  if (bytes.empty()) return PictureFault{PictureFaultKind::Empty};
  const PictureFormat format = SniffFormat(bytes);
  if (format == PictureFormat::Unknown) return PictureFault{PictureFaultKind::NotAPicture};
  if (format != PictureFormat::Png && format != PictureFormat::Jpeg) {
    return PictureFault{PictureFaultKind::Unsupported, format};
  }
  const auto checked = Check(format, bytes);
  if (const auto* fault = std::get_if<PictureFault>(&checked)) return *fault;
  const auto& layout = std::get<PictureLayout>(checked);

  const auto padded = PadPalette(bytes, layout);
  const auto decoded = DecodeSamples(padded ? std::span<const std::uint8_t>(padded->bytes) : bytes,
                                     layout.sixteenBit);
  if (const auto* kind = std::get_if<PictureFaultKind>(&decoded)) {
    return PictureFault{*kind, format};
  }
  const auto& samples = std::get<DecodedSamples>(decoded);
  const Marker marker =
      padded ? Marker{padded->marker[0], padded->marker[1], padded->marker[2]} : kNoMarker;
  const auto grey = samples.sixteenBit
                        ? UprightGrey(samples, samples.sixteen(), layout.orientation, marker)
                        : UprightGrey(samples, samples.eightBit(), layout.orientation, marker);
  if (!grey) return PictureFault{PictureFaultKind::Damaged, format};
  return *grey;
}

}  // namespace dct
