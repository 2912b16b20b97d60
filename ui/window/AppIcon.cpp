#include "ui/window/AppIcon.h"

namespace dct::ui {

platform::IndexedImage AppIcon() {
  constexpr int tile = kIconSide / kIconTiles;
  platform::IndexedImage image;
  image.width = kIconSide;
  image.height = kIconSide;
  image.palette.assign(256, 0);
  for (int level = 0; level < kIconGreyLevels; ++level) {
    image.palette[static_cast<std::size_t>(level)] = IconGrey(level) * kGreyStep;
  }
  image.pixels.reserve(kIconSide * kIconSide);
  for (int y = 0; y < kIconSide; ++y) {
    for (int x = 0; x < kIconSide; ++x) {
      image.pixels.push_back(static_cast<std::uint8_t>(IconTileLevel(x / tile, y / tile)));
    }
  }
  return image;
}

}  // namespace dct::ui
