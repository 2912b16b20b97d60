#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "CoefTable.h"

namespace dct {

// One coefficient a link sets: its index 8·v + u and its value.
struct LinkedCoefficient {
  int index;
  std::int16_t value;

  bool operator==(const LinkedCoefficient&) const = default;
};

// Reads a page address's fragment (without the "#"): dct-block's own
// arguments u,v=VALUE joined by "&", each value within -100..100 and each
// coefficient at most once. Nothing when any part of it is anything else.
std::optional<std::vector<LinkedCoefficient>> ReadBlockLink(std::string_view fragment);

// The fragment that gives the table back: its non-zero coefficients, by index.
std::string BlockLink(const CoefTable& table);

}  // namespace dct
