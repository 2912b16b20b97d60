#include "model/CoefficientSetting.h"

#include <optional>

#include "common/Grid.h"
#include "model/NumberText.h"

namespace dct {
namespace {

using Part = SettingFault::Part;

std::optional<SettingFault> Check(Part part, std::optional<long long> number, long long min,
                                  long long max) {
  if (!number) return SettingFault{part, false};
  if (*number < min || *number > max) return SettingFault{part, true};
  return std::nullopt;
}

}  // namespace

std::variant<CoefficientSetting, SettingFault> ReadCoefficientSetting(std::string_view word,
                                                                      long long minValue,
                                                                      long long maxValue) {
  const std::size_t equals = word.find('=');
  const std::size_t comma = word.substr(0, equals).find(',');
  if (equals == std::string_view::npos || comma == std::string_view::npos) {
    return SettingFault{Part::Form, false};
  }
  const auto u = ReadInteger(word.substr(0, comma));
  const auto v = ReadInteger(word.substr(comma + 1, equals - comma - 1));
  const auto value = ReadInteger(word.substr(equals + 1));
  for (const auto& fault :
       {Check(Part::U, u, 0, kGridSide - 1), Check(Part::V, v, 0, kGridSide - 1),
        Check(Part::Value, value, minValue, maxValue)}) {
    if (fault) return *fault;
  }
  return CoefficientSetting{static_cast<int>(*u + kGridSide * *v), *value};
}

}  // namespace dct
