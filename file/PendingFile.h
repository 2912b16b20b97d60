#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace dct::file {

// A file written in full beside its path and put in place only by Commit(),
// so that a reader never sees half a file and a failure before Commit()
// leaves the path as it was. A symbolic link is written through to its
// target; a file that is replaced keeps its mode; a path that exists and is
// not a regular file (a folder, a FIFO, a device) or a link that leads round
// in a loop is refused, never replaced. The file's name may be any bytes the
// system takes. Failures say in words what went wrong, with the system's
// own reason where it gave one, but not which file: the caller names it.
class PendingFile {
 public:
  explicit PendingFile(std::string path);
  ~PendingFile();
  PendingFile(const PendingFile&) = delete;
  PendingFile& operator=(const PendingFile&) = delete;

  std::optional<std::string> Write(std::span<const std::uint8_t> bytes);
  std::optional<std::string> Commit();

 private:
  void discard();

  std::string path_;
  // Where the bytes go meanwhile, beside the file that they will become.
  std::string written_;
  std::string target_;
};

}  // namespace dct::file
