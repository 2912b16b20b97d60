#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "model/CoefTable.h"

namespace dct {

// Reads a page address's fragment (without the "#"): dct-block's own
// arguments u,v=VALUE joined by "&", each value within -100..100 and each
// coefficient at most once; the table they set, the others 0. Nothing when
// any part of it is anything else.
std::optional<CoefTable> ReadBlockLink(std::string_view fragment);

// The fragment that gives the table back: its non-zero coefficients, by index.
std::string BlockLink(const CoefTable& table);

}  // namespace dct
