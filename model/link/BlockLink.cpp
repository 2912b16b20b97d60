#include "model/link/BlockLink.h"

#include <algorithm>
#include <array>
#include <variant>

#include "model/CoefficientFromText.h"
#include "model/CoefficientSetting.h"

namespace dct {

// No fragment that a window can make is longer: 64 times "7,7=-100&".
constexpr std::size_t kLongestLink = kGridCount * 9;

std::optional<CoefTable> ReadBlockLink(std::string_view fragment) {
  CoefTable table;
  if (fragment.empty()) return table;
  if (fragment.size() > kLongestLink) return std::nullopt;
  std::array<bool, kGridCount> seen{};
  for (std::size_t start = 0; start <= fragment.size();) {
    const std::size_t end = std::min(fragment.find('&', start), fragment.size());
    const auto setting =
        ReadCoefficientSetting(fragment.substr(start, end - start), kCoefMin, kCoefMax);
    const auto* read = std::get_if<CoefficientSetting>(&setting);
    if (!read || seen[static_cast<std::size_t>(read->index)]) return std::nullopt;
    seen[static_cast<std::size_t>(read->index)] = true;
    table.set(read->index, static_cast<std::int16_t>(read->value));
    start = end + 1;
  }
  return table;
}

std::string BlockLink(const CoefTable& table) {
  std::string link;
  for (int i = 0; i < kGridCount; ++i) {
    const int value = table.at(i);
    if (value == 0) continue;
    if (!link.empty()) link += '&';
    link += std::to_string(i % kGridSide) + ',' + std::to_string(i / kGridSide) + '=' +
            std::to_string(value);
  }
  return link;
}

}  // namespace dct
