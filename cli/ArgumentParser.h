#pragma once

#include <span>
#include <string_view>

#include "CliOptions.h"
#include "Result.h"

namespace dct::cli {

// Reads the command line (without the program name) from left to right.
// --help and --version end the reading where they stand, so whatever follows
// them is ignored. The first argument that cannot be read ends it with a
// Failure naming that argument. What needs the whole line (options that do
// not go together, the range of --scale, which depends on the mode) is
// checked at the end, and of those faults the one whose argument comes first
// is reported.
Result<CliOptions> ParseArguments(std::span<const std::string_view> args);

}  // namespace dct::cli
