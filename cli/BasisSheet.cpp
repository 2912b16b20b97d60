#include "BasisSheet.h"

#include "BasisPatterns.h"
#include "BlockImage.h"

namespace dct::cli {

QImage BasisSheetImage(std::int16_t value, int scale) {
  return GreyQImage(BasisPatterns(value, scale, kSheetLineWidth));
}

}  // namespace dct::cli
