#pragma once

#include <span>
#include <string_view>

#include "cli/CliOptions.h"
#include "cli/Result.h"

namespace dct::cli {

// Reads the command line (without the program name): options, each with its
// value in the same word ("--png=b") or the next ("--png b"), and u,v=VALUE
// words. --help and --version end the reading where they stand, so whatever
// follows them is ignored. Of the arguments that cannot be read, the Failure
// names the first. What needs the whole line (options that do not go
// together, the range of --scale, which depends on the mode) is checked only
// when every argument could be read, and of those faults too the one whose
// argument comes first is reported.
Result<CliOptions> ParseArguments(std::span<const std::string_view> args);

}  // namespace dct::cli
