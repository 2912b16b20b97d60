#include "PendingFile.h"

#include <QFile>
#include <filesystem>

namespace dct::cli {
namespace {

Failure Unwritable(const QString& reason) { return {"cannot be written: " + reason.toStdString()}; }

}  // namespace

PendingFile::PendingFile(const std::string& path)
    : path_(path), file_(QFile::decodeName(QByteArray::fromStdString(path))) {}

std::optional<Failure> PendingFile::Write(std::span<const std::uint8_t> bytes) {
  // Qt names files in UTF-8; any other name would come out as another file.
  if (QFile::encodeName(file_.fileName()).toStdString() != path_) {
    return Failure{"the file name is not UTF-8 text"};
  }
  std::error_code ignored;
  const auto status = std::filesystem::status(path_, ignored);
  // QSaveFile would replace a FIFO or a device by a file of the same name.
  if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status)) {
    return Failure{"is not a regular file, and is left as it is"};
  }
  if (!file_.open(QIODevice::WriteOnly)) return Unwritable(file_.errorString());
  const auto size = static_cast<qint64>(bytes.size());
  if (file_.write(reinterpret_cast<const char*>(bytes.data()), size) != size) {
    return Unwritable(file_.errorString());
  }
  return std::nullopt;
}

std::optional<Failure> PendingFile::Commit() {
  if (!file_.commit()) return Unwritable(file_.errorString());
  return std::nullopt;
}

}  // namespace dct::cli
