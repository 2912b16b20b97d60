#include "model/jpeg/JpegQuantisation.h"

#include <algorithm>
#include <cstddef>

namespace dct {
namespace {

// ¼·C(0)·C(k) for k > 0: 1/(4√2), the double nearest it.
constexpr double kEdgeUnit = 0.17677669529663688110;

}  // namespace

StepTable ScaledJpegTable(int quality) {
  const int q = std::clamp(quality, kQualityMin, kQualityMax);
  const int scale = q < 50 ? 5000 / q : 200 - 2 * q;
  StepTable table{};
  for (std::size_t i = 0; i < table.size(); ++i) {
    const int step = (kJpegLuminanceTable[i] * scale + 50) / 100;
    table[i] = std::clamp(step, kBaselineStepMin, kBaselineStepMax);
  }
  return table;
}

double WindowUnit(int index) {
  const bool firstColumn = index % kGridSide == 0;
  const bool firstRow = index / kGridSide == 0;
  if (firstColumn && firstRow) return 0.125;
  return firstColumn || firstRow ? kEdgeUnit : 0.25;
}

}  // namespace dct
