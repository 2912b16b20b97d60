#pragma once

#include <span>
#include <string_view>

#include "CliOptions.h"
#include "Result.h"

namespace dct::cli {

// Reads the command line (without the program name) from left to right.
// --help and --version end the reading where they stand, so whatever follows
// them is ignored. The first argument that cannot be used ends it with a
// Failure naming that argument.
Result<CliOptions> ParseArguments(std::span<const std::string_view> args);

}  // namespace dct::cli
