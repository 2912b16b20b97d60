#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <string>
#include <variant>
#include <vector>

#include "common/PictureLimits.h"

namespace dct::platform {

// Levels 0..255 (0 black), row by row from the top: what a picture box shows.
struct GreyPixels {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> levels;
};

// Why the bytes of a chosen file are not there to decode.
enum class FileRefusalKind {
  NotAFile,      // a folder, a device, a FIFO: anything but a plain file
  TooLarge,      // more than kPictureFileBytesMax bytes
  NoPermission,  // the user may not read it
  Unreadable,    // gone, or the system could not read it
  OutOfMemory,   // no room for its bytes
};
struct FileRefusal {
  FileRefusalKind kind = FileRefusalKind::Unreadable;
  long long bytes = 0;  // for TooLarge: the file's size

  bool operator==(const FileRefusal&) const = default;
};

// A file's bytes, or why not.
using FileBytes = std::variant<std::vector<std::uint8_t>, FileRefusal>;

// A file chosen in the file chooser or dropped onto a picture box. A file
// that can be seen at once not to be read (anything but a plain file, one
// too large) is refused as it is chosen, before anything opens it, and
// `read` gives that refusal; otherwise `read` reads it, however long that
// takes, so it is called through Runtime::RunInBackground, once.
struct ChosenFile {
  // The file's own name, without its folder, as UTF-8 text.
  std::string name;
  std::function<FileBytes()> read;
};

// The keys that an interactive picture box reports while it has the focus.
enum class PictureKey { Left, Right, Up, Down, PageUp, PageDown, Home, End };

// The size at which a picture of width × height pixels is drawn in a box of
// boxWidth × boxHeight: as large as fits, its proportions kept. Both
// editions draw a picture so, and map the pointer on it.
struct FittedSize {
  double width;
  double height;
};
inline FittedSize FitPicture(int width, int height, double boxWidth, double boxHeight) {
  const double scale = std::min(boxWidth / std::max(width, 1), boxHeight / std::max(height, 1));
  return {width * scale, height * scale};
}

// The pixel under a point, along one side of a picture of `pixels` pixels
// drawn `shown` screen pixels long, the point `offset` from where it starts;
// the nearest one at the edge for a point beyond. Both editions map the
// pointer alike, so a press lands on the same pixel in each.
inline int PixelAlong(double offset, double shown, int pixels) {
  const auto pixel = static_cast<int>(std::floor(offset * pixels / shown));
  return std::clamp(pixel, 0, pixels - 1);
}

}  // namespace dct::platform
