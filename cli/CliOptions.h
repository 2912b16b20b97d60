#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "model/CoefTable.h"
#include "model/lesson/LessonBlock.h"

namespace dct::cli {

// Reconstruct prints the block of the given coefficients, Forward the
// coefficients of a given block, BasisSheet draws the 64 single-coefficient
// blocks, Picture prints what the lesson makes of a block of a picture,
// JpegFile writes the JPEG file of a whole picture as the lesson saves it.
enum class Action { Reconstruct, Forward, BasisSheet, Picture, JpegFile, ShowHelp, ShowVersion };
enum class OutputFormat { Text, Json };

inline constexpr int kDefaultScale = 32;
inline constexpr int kMinScale = 1;
// 256 makes a 2048×2048 image (4 MiB of samples): big enough for a slide,
// small enough that a typing slip cannot fill the disk.
inline constexpr int kMaxScale = 256;
// The sheet holds 64 blocks, so the same limits on its size give a scale
// eight times smaller.
inline constexpr int kDefaultSheetScale = 8;
inline constexpr int kMaxSheetScale = 32;
inline constexpr std::int16_t kDefaultSheetValue = 100;

// --image: the names that stand for no file.
inline constexpr std::string_view kBuiltinPictureName = "-builtin-";
inline constexpr std::string_view kStandardInputName = "-";

// A block of JPEG's grid: column X and row Y of blocks, its top left pixel
// at (8X, 8Y).
struct BlockPosition {
  int x = 0;
  int y = 0;

  bool operator==(const BlockPosition&) const = default;
};

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
  // Forward: the values are the window's whole pixel values (--levels);
  // the coefficients are also rounded as the window takes them (--round).
  bool levels = false;
  bool round = false;
  std::optional<std::string> sheetPath;
  std::int16_t sheetValue = kDefaultSheetValue;
  // Picture: the picture (a file, kBuiltinPictureName or kStandardInputName),
  // the block, and how the lesson compresses it.
  std::optional<std::string> imagePath;
  std::optional<std::string> jpegPath;
  BlockPosition block;
  Compression compression;

  bool operator==(const CliOptions&) const = default;
};

}  // namespace dct::cli
