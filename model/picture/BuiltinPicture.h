#pragma once

#include "model/picture/GreyImage.h"

namespace dct {

// The lesson's own picture, the same in every build: a photograph of a man
// with a camera on a tripod, 256×256 levels, reduced from the 512×512 grey
// photograph that scikit-image ships (CC0; see docs/pictures.md).
const GreyImage& BuiltinPicture();

}  // namespace dct
