#include "cli/BasisSheet.h"

#include "cli/BlockImage.h"
#include "model/lesson/BasisPatterns.h"

namespace dct::cli {

QImage BasisSheetImage(std::int16_t value, int scale) {
  return GreyQImage(BasisPatterns(value, scale, kSheetLineWidth));
}

}  // namespace dct::cli
