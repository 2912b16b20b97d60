#pragma once

#include <string>
#include <string_view>

namespace dct {

// The text in single quotes for an error message, with control characters
// escaped as \xNN so that the message stays on one line, and so is every
// byte that is not part of UTF-8 (a file name in another encoding), so that
// the message is UTF-8 text: what dct-block and the desktop program say of
// an argument they refuse.
std::string Quoted(std::string_view text);

}  // namespace dct
