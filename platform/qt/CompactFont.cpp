#include "platform/qt/CompactFont.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontMetrics>
#include <array>

namespace dct::platform::qt {
namespace {

struct Candidate {
  const char* family;  // empty: the default face
  int pointSize;
};

constexpr std::array<Candidate, 6> kCandidates{{
    {"DejaVu Sans Condensed", 9},
    {"DejaVu Sans Condensed", 8},
    {"Nimbus Sans Narrow", 9},
    {"Arial Narrow", 9},
    {"Liberation Sans Narrow", 9},
    {"", 7},
}};

bool fits(const QFont& font, const QString& text, int room) {
  return QFontMetrics(font).horizontalAdvance(text) <= room;
}

}  // namespace

QFont FittingFont(const QString& text, int room) {
  QFont font = QApplication::font();
  if (fits(font, text, room)) return font;
  const QStringList families = QFontDatabase::families();
  for (const Candidate& candidate : kCandidates) {
    const QString family = QString::fromLatin1(candidate.family);
    if (!family.isEmpty() && !families.contains(family)) continue;
    QFont condensed = QApplication::font();
    if (!family.isEmpty()) condensed.setFamily(family);
    condensed.setPointSize(candidate.pointSize);
    font = condensed;
    if (fits(font, text, room)) break;
  }
  return font;
}

QFont BoxFont(int boxWidthPixels) {
  // The cursor takes a pixel beside the text.
  return FittingFont(QStringLiteral("-100"), boxWidthPixels - 2 * kBoxFrame - 1);
}

}  // namespace dct::platform::qt
