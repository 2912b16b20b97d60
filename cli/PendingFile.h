#pragma once

#include <QSaveFile>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "Result.h"

namespace dct::cli {

// A file written in full beside its path and put in place only by Commit(),
// so that a reader never sees half a file and a failure before Commit()
// leaves the path as it was. Qt's QSaveFile does the writing: it writes
// through a symbolic link to the link's target, keeps the mode of a file it
// replaces, and on file systems with unnamed temporary files needs no second
// name that could be too long. A path that exists and is not a regular file
// (a folder, a FIFO, a device) is refused, never replaced. Failure messages
// say what went wrong but not which file; the caller names it.
class PendingFile {
 public:
  explicit PendingFile(const std::string& path);

  std::optional<Failure> Write(std::span<const std::uint8_t> bytes);
  std::optional<Failure> Commit();

 private:
  std::string path_;
  QSaveFile file_;
};

}  // namespace dct::cli
