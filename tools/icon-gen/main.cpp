// Writes the program's icon files from its one image (AppIcon), at build time:
//   dct-icon-gen [--png SIDE FILE]...
// --png writes a SIDE×SIDE PNG enlarged without smoothing.
#include <charconv>
#include <cstdio>
#include <exception>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "AppIcon.h"
#include "IconFiles.h"

namespace {

constexpr int kMaxSide = 1024;

int fail(const std::string& message) {
  std::fprintf(stderr, "dct-icon-gen: %s\n", message.c_str());
  return 2;
}

// A side in 1..kMaxSide, or 0 when the text is anything else.
int parseSide(std::string_view text) {
  int side = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), side);
  const bool whole = error == std::errc{} && end == text.data() + text.size();
  return whole && side >= 1 && side <= kMaxSide ? side : 0;
}

int run(const std::vector<std::string_view>& args) {
  const dct::platform::IndexedImage image = dct::ui::AppIcon();
  if (args.empty()) return fail("usage: dct-icon-gen [--png SIDE FILE]...");
  for (std::size_t i = 0; i < args.size();) {
    if (args[i] == "--png" && i + 2 < args.size()) {
      const int side = parseSide(args[i + 1]);
      if (side == 0) return fail("--png " + std::string(args[i + 1]) + ": not a side in 1..1024");
      const QImage png = dct::icon::ToQImage(dct::icon::ScaleNearest(image, side));
      if (!png.save(
              QString::fromUtf8(args[i + 2].data(), static_cast<qsizetype>(args[i + 2].size())),
              "PNG")) {
        throw std::runtime_error(std::string(args[i + 2]) + ": cannot be written");
      }
      i += 3;
    } else {
      return fail(std::string(args[i]) + ": expected --png SIDE FILE");
    }
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  try {
    return run(std::vector<std::string_view>(argv + 1, argv + argc));
  } catch (const std::exception& error) {
    return fail(error.what());
  }
}
