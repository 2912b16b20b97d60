// Writes the program's icon files from its one image (AppIcon), at build time:
//   dct-icon-gen [--png SIDE FILE]...
// Each is a SIDE×SIDE PNG enlarged without smoothing, so that the image's
// squares stay sharp.
#include <QImage>
#include <charconv>
#include <cstdio>
#include <string_view>

#include "platform/qt/QtAccess.h"
#include "ui/window/AppIcon.h"

namespace {

constexpr int kMaxSide = 1024;

int fail(const char* what, const char* argument) {
  std::fprintf(stderr, "dct-icon-gen: %s%s\n", argument, what);
  return 2;
}

// A side in 1..kMaxSide, or 0 when the text is anything else.
int parseSide(std::string_view text) {
  int side = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), side);
  const bool whole = error == std::errc{} && end == text.data() + text.size();
  return whole && side >= 1 && side <= kMaxSide ? side : 0;
}

}  // namespace

int main(int argc, char** argv) {
  const QImage icon = dct::platform::qt::ToQImage(dct::ui::AppIcon());
  if (argc < 4 || (argc - 1) % 3 != 0) return fail("usage: dct-icon-gen [--png SIDE FILE]...", "");
  for (int i = 1; i < argc; i += 3) {
    if (std::string_view(argv[i]) != "--png") return fail(": expected --png SIDE FILE", argv[i]);
    const int side = parseSide(argv[i + 1]);
    if (side == 0) return fail(": not a side in 1..1024", argv[i + 1]);
    // Qt's fast scaling takes the nearest pixel: no smoothing.
    const QImage png = icon.scaled(side, side, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    if (!png.save(QString::fromLocal8Bit(argv[i + 2]), "PNG")) {
      return fail(": cannot be written", argv[i + 2]);
    }
  }
  return 0;
}
