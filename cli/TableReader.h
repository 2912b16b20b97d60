#pragma once

#include <array>
#include <istream>
#include <optional>
#include <string>

#include "cli/Result.h"
#include "model/CoefTable.h"
#include "model/PixelBlock.h"

namespace dct::cli {

// Reads exactly 64 whitespace-separated decimal integers, each within
// -32768..32767, as coefficients 0..63 in index order (8·v + u). Stops at the
// first fault, so that neither an endless stream nor an endless word is read
// to its end.
Result<CoefTable> ReadTable(std::istream& in);

// ReadTable on the named file, or on `standardInput` when the name is "-".
// Failures name the file as the --table argument.
Result<CoefTable> LoadTable(const std::string& path, std::istream& standardInput);

// The 64 values of a pixel block as given, by pixel index 8·y + x.
using PixelValues = std::array<double, kGridCount>;

// No table of 16-bit coefficients gives a sum beyond 64 · 32768 in
// magnitude, so no block of sums lies beyond it either.
inline constexpr double kMaxPixelValue = 64.0 * 32768.0;

// How the values of a block are written: decimal numbers within
// ±kMaxPixelValue (sums), or whole pixel values within -127..127 as the
// window shows them (levels).
enum class PixelForm { Sums, Levels };

// Reads exactly 64 whitespace-separated values as pixels 0..63, row by row
// from the top, stopping at the first fault as ReadTable does. They may be
// followed by the line "clipped: yes" or "clipped: no", so that dct-block's
// own output reads as it comes.
Result<PixelValues> ReadBlock(std::istream& in, PixelForm form);

// ReadBlock on the named file, or on `standardInput` when the name is "-";
// failures name the file as the --table argument. Without a name it reads
// standard input, and failures say so.
Result<PixelValues> LoadBlock(const std::optional<std::string>& path, std::istream& standardInput,
                              PixelForm form);

}  // namespace dct::cli
