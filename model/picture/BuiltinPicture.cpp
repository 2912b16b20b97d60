#include "model/picture/BuiltinPicture.h"

#include <algorithm>
#include <string_view>
#include <vector>

#include "model/picture/BuiltinPictureFile.h"

namespace dct {
namespace {

// data/lesson/camera-256.pgm is a binary PGM of this size; remade at
// another, the build stops here rather than read it wrongly.
constexpr int kSide = 256;
constexpr std::string_view kHeader = "P5\n256 256\n255\n";

constexpr bool hasHeader() {
  return std::equal(kHeader.begin(), kHeader.end(), kBuiltinPictureFile.begin());
}
static_assert(hasHeader(), "the built-in picture is not a 256x256 PGM of levels 0..255");
static_assert(kBuiltinPictureFile.size() == kHeader.size() + kSide * kSide,
              "the built-in picture's levels do not fill it");

}  // namespace

const GreyImage& BuiltinPicture() {
  static const GreyImage picture =
      *GreyImage::Make(kSide, kSide,
                       std::vector<std::uint8_t>(kBuiltinPictureFile.begin() + kHeader.size(),
                                                 kBuiltinPictureFile.end()));
  return picture;
}

}  // namespace dct
