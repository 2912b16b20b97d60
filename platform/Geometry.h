#pragma once

namespace dct::platform {

// Positions and sizes are given in twips (1/1440 inch) and shown as
// device-independent pixels at 96 dpi; Qt scales those on dense screens.
inline constexpr int kTwipsPerPixel = 15;

// Rounded to the nearest pixel, halves away from zero.
constexpr int TwipsToPixels(int twips) {
  return twips >= 0 ? (twips + kTwipsPerPixel / 2) / kTwipsPerPixel
                    : -((-twips + kTwipsPerPixel / 2) / kTwipsPerPixel);
}

static_assert(TwipsToPixels(372) == 25);
static_assert(TwipsToPixels(360) == 24);
static_assert(TwipsToPixels(5448) == 363);

// A control's outer rectangle, in twips (or pixels, where said) from the
// top-left of the client area.
struct Rect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;

  constexpr bool Empty() const { return width <= 0 || height <= 0; }
  constexpr bool operator==(const Rect&) const = default;
};

}  // namespace dct::platform
