#include "AtomicFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>

namespace dct::cli {
namespace {

constexpr int kNameAttempts = 16;

std::string TemporaryName(const std::string& path, std::mt19937& random) {
  char suffix[16];
  std::snprintf(suffix, sizeof suffix, ".%08X.tmp", static_cast<unsigned>(random()));
  return path + suffix;
}

std::string SystemError(const char* what) {
  return std::string(what) + ": " + std::strerror(errno);
}

// Creates a file under a fresh name (never opening one that exists, which
// might be someone else's), returning it open with its name.
Result<std::pair<std::FILE*, std::string>> CreateTemporary(const std::string& path) {
  std::mt19937 random(std::random_device{}());
  for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
    std::string name = TemporaryName(path, random);
    // "x": fail rather than open a file that already exists.
    if (std::FILE* file = std::fopen(name.c_str(), "wbx")) return std::pair(file, std::move(name));
    if (errno != EEXIST) return Failure{SystemError("cannot create a file there")};
  }
  return Failure{"cannot find a free temporary name beside it"};
}

}  // namespace

std::optional<Failure> WriteFileAtomically(const std::string& path,
                                           std::span<const std::uint8_t> bytes) {
  const auto created = CreateTemporary(path);
  if (!created.ok()) return created.failure();
  auto [file, temporary] = created.value();
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  // fclose flushes, so a full disk may only show here.
  const bool closed = std::fclose(file) == 0;
  if (!written || !closed) {
    Failure failure{SystemError("cannot write")};
    std::remove(temporary.c_str());
    return failure;
  }
  std::error_code error;
  std::filesystem::rename(temporary, path, error);
  if (error) {
    std::remove(temporary.c_str());
    return Failure{"cannot replace it: " + error.message()};
  }
  return std::nullopt;
}

}  // namespace dct::cli
