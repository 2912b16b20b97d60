#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "Result.h"

namespace dct::cli {

// Writes the bytes to a new file beside `path` and then renames it to `path`,
// replacing any file there, so that a reader never sees a half-written file
// and a failure leaves whatever was at `path` untouched. The failure message
// says what went wrong but not which file; the caller names it.
std::optional<Failure> WriteFileAtomically(const std::string& path,
                                           std::span<const std::uint8_t> bytes);

}  // namespace dct::cli
