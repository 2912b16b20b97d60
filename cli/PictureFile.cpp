#include "PictureFile.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageReader>
#include <QtGlobal>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <span>

#include "BuiltinPicture.h"
#include "ImageBlocks.h"
#include "IntegerText.h"
#include "ReducedPicture.h"

namespace dct::cli {
namespace {

// Reads at most kPictureBytesMax bytes, and one more to tell that there were
// more. A read error (a folder given as the file) is reported as such: the
// standard library's file buffers throw on one.
Result<QByteArray> ReadBytes(std::istream& in) {
  constexpr qsizetype kChunk = qsizetype{1} << 16;
  QByteArray bytes;
  try {
    while (static_cast<std::size_t>(bytes.size()) <= kPictureBytesMax) {
      const qsizetype start = bytes.size();
      bytes.resize(start + kChunk);
      const std::streamsize got = in.rdbuf()->sgetn(bytes.data() + start, kChunk);
      bytes.resize(start + static_cast<qsizetype>(got));
      if (got < kChunk) return bytes;
    }
  } catch (const std::ios_base::failure& error) {
    return Failure{"cannot be read: " + error.code().message()};
  }
  return Failure{"is larger than " + std::to_string(kPictureBytesMax >> 20) + " MiB"};
}

void IgnoreMessage(QtMsgType, const QMessageLogContext&, const QString&) {}

// Decodes the bytes as any picture file Qt reads. Qt's decoders warn about a
// damaged file on standard error, where dct-block writes only its own line.
Result<QImage> Decode(QByteArray bytes) {
  QBuffer buffer(&bytes);
  QImageReader reader(&buffer);
  QImage image;
  const QtMessageHandler previous = qInstallMessageHandler(IgnoreMessage);
  const bool read = reader.read(&image);
  qInstallMessageHandler(previous);
  if (!read)
    return Failure{"is not a picture that can be read: " + reader.errorString().toStdString()};
  return image;
}

Result<GreyImage> GreyOf(const QImage& image) {
  const QImage rgba = image.convertToFormat(QImage::Format_RGBA8888);
  const auto grey = GreyImage::FromRgba(
      rgba.width(), rgba.height(),
      std::span(rgba.constBits(), static_cast<std::size_t>(rgba.sizeInBytes())));
  if (!grey) {
    return Failure{"is larger than " + std::to_string(kImageSideMax) + "×" +
                   std::to_string(kImageSideMax) + " pixels"};
  }
  return ReducedToFit(*grey);
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
  const auto image = Decode(bytes.value());
  if (!image.ok()) return image.failure();
  return GreyOf(image.value());
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
