#include "file/PendingFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <random>
#include <string_view>
#include <utility>

namespace dct::file {
namespace {

// As the system resolves a path: this many links in a row mean a loop.
constexpr int kLinksMax = 40;
constexpr int kNamesTried = 100;

std::string unwritable(int error) { return "cannot be written: " + std::string(std::strerror(error)); }

std::string folderOf(const std::string& path) {
  const auto slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

// Where writing `path` lands: the path itself, or the file at the end of
// its links (which need not exist yet); nothing for a loop.
std::optional<std::string> resolveLinks(std::string path) {
  for (int hops = 0; hops <= kLinksMax; ++hops) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return path;
    std::string target(static_cast<std::size_t>(info.st_size) + 1, '\0');
    const ssize_t length = ::readlink(path.c_str(), target.data(), target.size());
    if (length < 0 || static_cast<std::size_t>(length) >= target.size()) return path;
    target.resize(static_cast<std::size_t>(length));
    path = target.starts_with('/') ? target : folderOf(path) + "/" + target;
  }
  return std::nullopt;
}

// A new file beside `target`, under a short name of its own (the target's
// name may already be as long as names go), with the mode that the user's
// umask gives a new file.
std::pair<int, std::string> createBeside(const std::string& target) {
  std::random_device random;
  const std::string folder = folderOf(target) + "/.pending-";
  for (int attempt = 0; attempt < kNamesTried; ++attempt) {
    std::string name = folder + std::to_string(random());
    const int descriptor =
        ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0666);
    if (descriptor >= 0 || errno != EEXIST) return {descriptor, std::move(name)};
  }
  return {-1, {}};
}

bool writeAll(int descriptor, std::span<const std::uint8_t> bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(descriptor, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written < 0) return false;
    if (written == 0) {
      errno = EIO;
      return false;
    }
    bytes = bytes.subspan(static_cast<std::size_t>(written));
  }
  return true;
}

}  // namespace

PendingFile::PendingFile(std::string path) : path_(std::move(path)) {}

PendingFile::~PendingFile() { discard(); }

void PendingFile::discard() {
  if (!written_.empty()) ::unlink(written_.c_str());
  written_.clear();
}

std::optional<std::string> PendingFile::Write(std::span<const std::uint8_t> bytes) {
  discard();
  const auto target = resolveLinks(path_);
  if (!target) return "is a symbolic link that leads round in a loop, and is left as it is";
  target_ = *target;
  struct stat existing {};
  const bool exists = ::stat(target_.c_str(), &existing) == 0;
  if (exists && !S_ISREG(existing.st_mode)) return "is not a regular file, and is left as it is";
  auto [descriptor, name] = createBeside(target_);
  if (descriptor < 0) return unwritable(errno);
  written_ = std::move(name);
  // Written, on disk and then closed, each of which can fail on a full disk.
  int error = 0;
  if (!writeAll(descriptor, bytes) ||
      (exists && ::fchmod(descriptor, existing.st_mode & 07777) != 0) ||
      ::fsync(descriptor) != 0) {
    error = errno;
  }
  if (::close(descriptor) != 0 && error == 0) error = errno;
  if (error == 0) return std::nullopt;
  discard();
  return unwritable(error);
}

std::optional<std::string> PendingFile::Commit() {
  if (written_.empty()) return unwritable(ENOENT);
  if (::rename(written_.c_str(), target_.c_str()) != 0) {
    const int error = errno;
    discard();
    return unwritable(error);
  }
  written_.clear();
  return std::nullopt;
}

}  // namespace dct::file
