#pragma once

#include <optional>
#include <string>

#include "CoefTable.h"

namespace dct::cli {

enum class Action { Reconstruct, ShowHelp, ShowVersion };
enum class OutputFormat { Text, Json };

inline constexpr int kDefaultScale = 32;
inline constexpr int kMinScale = 1;
// 256 makes a 2048×2048 image (4 MiB of samples): big enough for a slide,
// small enough that a typing slip cannot fill the disk.
inline constexpr int kMaxScale = 256;

// What one command line asks for.
struct CliOptions {
  Action action = Action::Reconstruct;
  OutputFormat format = OutputFormat::Text;
  // The coefficients given as u,v=VALUE arguments; all 0 when tablePath is set.
  CoefTable coefficients;
  // A file of 64 numbers, or "-" for standard input.
  std::optional<std::string> tablePath;
  std::optional<std::string> pngPath;
  int scale = kDefaultScale;

  bool operator==(const CliOptions&) const = default;
};

}  // namespace dct::cli
