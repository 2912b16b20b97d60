#pragma once

#include <istream>
#include <string>

#include "cli/CliOptions.h"
#include "cli/Result.h"
#include "model/picture/BlockLevels.h"
#include "model/picture/GreyImage.h"

namespace dct::cli {

// The picture as the lesson shows it: kBuiltinPictureName for the lesson's
// own, kStandardInputName for a picture file read from `standardInput`, else
// the named file, a PNG or JPEG read by the model's decoder
// (ReadPictureFile): upright, grey and reduced as the lesson has it.
// Failures name the file as the --image argument and say in one line what is
// wrong with it.
Result<GreyImage> LoadPicture(const std::string& path, std::istream& standardInput);

// The levels of the block at `at`, a partial one at the right or bottom
// edge filled as JPEG fills it. Failures name the --block argument and say
// which blocks there are.
Result<BlockLevels> PictureBlock(const GreyImage& picture, BlockPosition at);

}  // namespace dct::cli
