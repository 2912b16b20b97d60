#include "PictureDecoder.h"

#include <array>
#include <optional>

#include "DecodedSamples.h"
#include "JpegLayout.h"
#include "Orientation.h"
#include "PaddedPalette.h"
#include "PictureReducer.h"
#include "PngLayout.h"
#include "ReducedPicture.h"
#include "SniffFormat.h"

namespace dct {
namespace {

constexpr int kOpaque = 255;

// The colour that a padded palette's extra entries have; none (no pixel has
// a part of -1) when the palette was not padded.
using Marker = std::array<int, 3>;
constexpr Marker kNoMarker{-1, -1, -1};

int EightBits(std::uint8_t sample) { return sample; }
int EightBits(std::uint16_t sample) { return EightBitSample(sample); }

// The upright grey picture, reduced, of the decoded samples, one pixel at a
// time in the order they are stored; nothing when a pixel has the marker
// colour of a padded palette.
template <typename Sample>
std::optional<GreyImage> UprightGrey(const DecodedSamples& decoded, std::span<const Sample> samples,
                                     int orientation, const Marker& marker) {
  const Orientation turn(orientation, decoded.width, decoded.height);
  PictureReducer reducer(turn.width(), turn.height(), kLessonSideMax);
  const Orientation::Place step = turn.stepAlongRow();
  const auto channels = static_cast<std::size_t>(decoded.channels);
  const bool grey = channels < 3;
  const bool alpha = channels % 2 == 0;
  std::size_t i = 0;
  for (int y = 0; y < decoded.height; ++y) {
    Orientation::Place place = turn.placeOf(0, y);
    for (int x = 0; x < decoded.width; ++x) {
      const int red = EightBits(samples[i]);
      const int green = grey ? red : EightBits(samples[i + 1]);
      const int blue = grey ? red : EightBits(samples[i + 2]);
      const int opacity = alpha ? EightBits(samples[i + channels - 1]) : kOpaque;
      if (red == marker[0] && green == marker[1] && blue == marker[2]) {
        return std::nullopt;
      }
      reducer.add(place.x, place.y, GreyOverWhite(red, green, blue, opacity));
      i += channels;
      place.x += step.x;
      place.y += step.y;
    }
  }
  return reducer.result();
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
