#pragma once

#include <istream>
#include <string>

#include "CoefTable.h"
#include "Result.h"

namespace dct::cli {

// Reads exactly 64 whitespace-separated decimal integers, each within
// -32768..32767, as coefficients 0..63 in index order (8·v + u). Stops at the
// first fault, so that neither an endless stream nor an endless word is read
// to its end.
Result<CoefTable> ReadTable(std::istream& in);

// ReadTable on the named file, or on `standardInput` when the name is "-".
// Failures name the file as the --table argument.
Result<CoefTable> LoadTable(const std::string& path, std::istream& standardInput);

}  // namespace dct::cli
