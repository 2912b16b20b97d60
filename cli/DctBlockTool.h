#pragma once

#include <istream>
#include <ostream>
#include <span>
#include <string_view>

namespace dct::cli {

inline constexpr int kExitSuccess = 0;
// Any failure: a bad argument, an unusable table, an image or output that
// cannot be written.
inline constexpr int kExitFailure = 2;

// The whole of dct-block, given its arguments (without the program name) and
// its three streams; returns the exit status. On a failure it writes one line
// to `err`, and nothing to `out` unless the failure is the last step: putting
// an image file in place once the text is printed.
int RunDctBlock(std::span<const std::string_view> args, std::istream& in, std::ostream& out,
                std::ostream& err);

}  // namespace dct::cli
