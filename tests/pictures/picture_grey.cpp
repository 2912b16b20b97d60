// Test-only: prints what the program's decoder makes of a picture file, the
// grey picture as a binary PGM on standard output, or the refusal as one
// line "refused KIND FORMAT VARIANT" (status 1), for the corpus test to
// compare with Pillow and with its manifest.
#include <array>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string_view>
#include <vector>

#include "model/picture/PictureDecoder.h"

namespace {

template <typename Enum, std::size_t N>
std::string_view NameOf(Enum value, const std::array<std::string_view, N>& names) {
  const auto index = static_cast<std::size_t>(value);
  return index < N ? names[index] : "?";
}

constexpr std::array<std::string_view, 7> kKinds{
    "empty", "not-a-picture", "unsupported", "truncated", "damaged", "too-large", "out-of-memory"};
constexpr std::array<std::string_view, 13> kFormats{"unknown",  "png",     "jpeg", "gif",  "bmp",
                                                    "webp",     "heic",    "avif", "tiff", "pnm",
                                                    "jpeg2000", "jpeg-xl", "psd"};
constexpr std::array<std::string_view, 6> kVariants{
    "none", "arithmetic", "lossless", "hierarchical", "high-precision", "unclear-colours"};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: picture_grey FILE\n";
    return 2;
  }
  std::ifstream in(argv[1], std::ios::binary);
  const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in),
                                        std::istreambuf_iterator<char>()};
  const auto read = dct::ReadPictureFile(bytes);
  if (const auto* fault = std::get_if<dct::PictureFault>(&read)) {
    std::cout << "refused " << NameOf(fault->kind, kKinds) << ' ' << NameOf(fault->format, kFormats)
              << ' ' << NameOf(fault->variant, kVariants);
    if (fault->kind == dct::PictureFaultKind::TooLarge) {
      std::cout << ' ' << fault->width << 'x' << fault->height << ' ' << fault->limit;
    }
    std::cout << '\n';
    return 1;
  }
  const auto& grey = std::get<dct::GreyImage>(read);
  std::cout << "P5\n" << grey.width() << ' ' << grey.height() << "\n255\n";
  std::cout.write(reinterpret_cast<const char*>(grey.levels().data()),
                  static_cast<std::streamsize>(grey.levels().size()));
  return 0;
}
