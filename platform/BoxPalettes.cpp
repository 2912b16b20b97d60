#include "BoxPalettes.h"

#include <QApplication>

namespace dct::platform {

const QPalette& BoxPalettes::For(Rgb colour) {
  static BoxPalettes cache;
  auto found = cache.palettes_.find(colour);
  if (found != cache.palettes_.end()) return found->second;

  QPalette palette = QApplication::palette();
  const QColor base(RedOf(colour), GreenOf(colour), BlueOf(colour));
  // Base in every group, so that a disabled box (the clipping indicator) shows
  // its colour too; its text stays readable on any background.
  for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    palette.setColor(group, QPalette::Base, base);
  }
  palette.setColor(QPalette::Disabled, QPalette::Text, QColor(0x50, 0x50, 0x50));
  return cache.palettes_.emplace(colour, palette).first->second;
}

}  // namespace dct::platform
