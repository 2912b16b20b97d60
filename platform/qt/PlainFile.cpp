#include "platform/qt/PlainFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstddef>
#include <optional>
#include <utility>
#include <vector>

namespace dct::platform::qt {
namespace {

FileRefusal refusalFor(int error) {
  return {error == EACCES || error == EPERM ? FileRefusalKind::NoPermission
                                            : FileRefusalKind::Unreadable};
}

std::optional<FileRefusal> refusalFor(const struct stat& info) {
  if (!S_ISREG(info.st_mode)) return FileRefusal{FileRefusalKind::NotAFile};
  if (info.st_size > kPictureFileBytesMax) {
    return FileRefusal{FileRefusalKind::TooLarge, static_cast<long long>(info.st_size)};
  }
  return std::nullopt;
}

class Descriptor {
 public:
  explicit Descriptor(int descriptor) : descriptor_(descriptor) {}
  ~Descriptor() {
    if (descriptor_ >= 0) ::close(descriptor_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return descriptor_; }

 private:
  int descriptor_;
};

// Opened without waiting (a FIFO put in the file's place since it was
// chosen would otherwise wait for a writer) and checked again, now for the
// file opened; read to its end, which may have moved since.
FileBytes readPlainFile(const std::string& path) {
  const Descriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
  if (file.get() < 0) return refusalFor(errno);
  struct stat info {};
  if (::fstat(file.get(), &info) != 0) return refusalFor(errno);
  if (const auto refused = refusalFor(info)) return *refused;
  constexpr std::size_t kChunk = std::size_t{1} << 20;
  std::vector<std::uint8_t> bytes;
  bytes.reserve(static_cast<std::size_t>(info.st_size) + kChunk);
  for (;;) {
    const std::size_t start = bytes.size();
    if (static_cast<long long>(start) > kPictureFileBytesMax) {
      return FileRefusal{FileRefusalKind::TooLarge, static_cast<long long>(start)};
    }
    bytes.resize(start + kChunk);
    const ssize_t got = ::read(file.get(), bytes.data() + start, kChunk);
    if (got < 0 && errno == EINTR) {
      bytes.resize(start);
      continue;
    }
    if (got < 0) return refusalFor(errno);
    bytes.resize(start + static_cast<std::size_t>(got));
    if (got == 0) return bytes;
  }
}

}  // namespace

ChosenFile ChooseFile(const std::string& path, std::string name) {
  struct stat info {};
  std::optional<FileRefusal> refused;
  if (::stat(path.c_str(), &info) != 0) {
    refused = refusalFor(errno);
  } else {
    refused = refusalFor(info);
  }
  if (refused) return {std::move(name), [refusal = *refused]() -> FileBytes { return refusal; }};
  return {std::move(name), [path] { return readPlainFile(path); }};
}

}  // namespace dct::platform::qt
