#include "cli/PictureFile.h"

#include <array>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <string_view>
#include <variant>
#include <vector>

#include "cli/IntegerText.h"
#include "common/PictureLimits.h"
#include "common/QuotedText.h"
#include "model/picture/BuiltinPicture.h"
#include "model/picture/ImageBlocks.h"
#include "model/picture/PictureDecoder.h"
#include "model/picture/ReducedPicture.h"

namespace dct::cli {
namespace {

// Reads at most kPictureFileBytesMax bytes, and one more to tell that there were
// more. A read error (a folder given as the file) is reported as such: the
// standard library's file buffers throw on one.
Result<std::vector<std::uint8_t>> ReadBytes(std::istream& in) {
  constexpr std::size_t kChunk = std::size_t{1} << 16;
  constexpr auto kMost = static_cast<std::size_t>(kPictureFileBytesMax);
  std::vector<std::uint8_t> bytes;
  try {
    while (bytes.size() <= kMost) {
      const std::size_t start = bytes.size();
      bytes.resize(start + kChunk);
      const std::streamsize got = in.rdbuf()->sgetn(reinterpret_cast<char*>(bytes.data() + start),
                                                    static_cast<std::streamsize>(kChunk));
      bytes.resize(start + static_cast<std::size_t>(got));
      if (static_cast<std::size_t>(got) < kChunk) return bytes;
    }
  } catch (const std::ios_base::failure& error) {
    return Failure{"cannot be read: " + error.code().message()};
  }
  return Failure{"is larger than " + std::to_string(kPictureFileBytesMax >> 20) + " MiB"};
}

std::string_view VariantName(PictureVariant variant) {
  constexpr std::array<std::string_view, 6> kNames{
      "",
      "a JPEG with arithmetic coding",
      "a lossless JPEG",
      "a hierarchical JPEG",
      "a JPEG of more than 8 bits a sample",
      "a JPEG whose markers leave its colours unclear",
  };
  return kNames[static_cast<std::size_t>(variant)];
}

// The refusal in words: what the file is and what is wrong with it.
std::string Refusal(const PictureFault& fault) {
  const std::string format(FormatName(fault.format));
  switch (fault.kind) {
    case PictureFaultKind::Empty:
      return "is empty";
    case PictureFaultKind::NotAPicture:
      return "is not a picture that can be read: neither PNG nor JPEG";
    case PictureFaultKind::Unsupported:
      if (fault.variant != PictureVariant::None) {
        return "is " + std::string(VariantName(fault.variant)) + ", which is not read";
      }
      return "is in " + format + " format, which is not read (only PNG and JPEG are)";
    case PictureFaultKind::Truncated:
      return "is a " + format + " file cut short";
    case PictureFaultKind::Damaged:
      return "is a damaged " + format + " file";
    case PictureFaultKind::TooLarge:
      return "is " + std::to_string(fault.width) + "×" + std::to_string(fault.height) +
             " pixels, more than the " + std::to_string(fault.limit) + " that are read";
    case PictureFaultKind::OutOfMemory:
      return "is a " + format + " file too large to decode in the memory at hand";
  }
  return "cannot be read";
}

Result<GreyImage> ReadPicture(const std::string& path, std::istream& standardInput) {
  if (path == kBuiltinPictureName) return ReducedToFit(BuiltinPicture());
  std::ifstream file;
  if (path != kStandardInputName) {
    file.open(path, std::ios::binary);
    if (!file) return Failure{std::string("cannot be opened: ") + std::strerror(errno)};
  }
  const auto bytes = ReadBytes(file.is_open() ? file : standardInput);
  if (!bytes.ok()) return bytes.failure();
  auto read = ReadPictureFile(bytes.value());
  if (const auto* fault = std::get_if<PictureFault>(&read)) return Failure{Refusal(*fault)};
  return std::get<GreyImage>(std::move(read));
}

}  // namespace

Result<GreyImage> LoadPicture(const std::string& path, std::istream& standardInput) {
  const auto picture = ReadPicture(path, standardInput);
  if (picture.ok()) return picture;
  return Failure{Quoted("--image " + path) + ": " + picture.error()};
}

Result<BlockLevels> PictureBlock(const GreyImage& picture, BlockPosition at) {
  const auto block = ImageBlock(picture, at.x, at.y);
  if (block) return *block;
  const int across = BlocksAcross(picture);
  const int down = BlocksDown(picture);
  return Failure{Quoted("--block " + std::to_string(at.x) + "," + std::to_string(at.y)) +
                 ": the picture has " + std::to_string(across) + "×" + std::to_string(down) +
                 " blocks (0.." + std::to_string(across - 1) + ", 0.." + std::to_string(down - 1) +
                 ")"};
}

}  // namespace dct::cli
