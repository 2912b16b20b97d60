#include "BlockLink.h"

#include <array>

#include "CoefficientFromText.h"
#include "NumberText.h"

namespace dct::web {
namespace {

// No fragment that a window can make is longer: 64 times "7,7=-100&".
constexpr std::size_t kLongestLink = kGridCount * 9;

std::optional<int> wholeNumber(std::string_view text, int min, int max) {
  const auto value = ReadInteger(text);
  if (!value || *value < min || *value > max) return std::nullopt;
  return static_cast<int>(*value);
}

std::optional<LinkedCoefficient> readOne(std::string_view part) {
  const std::size_t comma = part.find(',');
  const std::size_t equals = part.find('=');
  if (comma == std::string_view::npos || equals == std::string_view::npos || equals < comma) {
    return std::nullopt;
  }
  const auto u = wholeNumber(part.substr(0, comma), 0, kGridSide - 1);
  const auto v = wholeNumber(part.substr(comma + 1, equals - comma - 1), 0, kGridSide - 1);
  const auto value = wholeNumber(part.substr(equals + 1), kCoefMin, kCoefMax);
  if (!u || !v || !value) return std::nullopt;
  return LinkedCoefficient{*u + kGridSide * *v, static_cast<std::int16_t>(*value)};
}

}  // namespace

std::optional<std::vector<LinkedCoefficient>> ReadBlockLink(std::string_view fragment) {
  std::vector<LinkedCoefficient> coefficients;
  if (fragment.empty()) return coefficients;
  if (fragment.size() > kLongestLink) return std::nullopt;
  std::array<bool, kGridCount> seen{};
  for (std::size_t start = 0; start <= fragment.size();) {
    const std::size_t end = std::min(fragment.find('&', start), fragment.size());
    const auto coefficient = readOne(fragment.substr(start, end - start));
    if (!coefficient || seen[static_cast<std::size_t>(coefficient->index)]) return std::nullopt;
    seen[static_cast<std::size_t>(coefficient->index)] = true;
    coefficients.push_back(*coefficient);
    start = end + 1;
  }
  return coefficients;
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

}  // namespace dct::web
