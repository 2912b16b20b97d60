#pragma once

#include <cstddef>
#include <istream>
#include <string>

#include "BlockLevels.h"
#include "CliOptions.h"
#include "GreyImage.h"
#include "Result.h"

namespace dct::cli {

// The most bytes read for a picture: as much as Qt decodes a picture into by
// default, so that no endless standard input is read to its end.
inline constexpr std::size_t kPictureBytesMax = std::size_t{256} << 20;

// The picture as the lesson shows it: kBuiltinPictureName for the lesson's
// own, kStandardInputName for a picture file read from `standardInput`, else
// the named file, in any format Qt reads. Its colours become greys as the
// lesson makes them (GreyImage::FromRgba, over white where transparent), and
// a picture with a side over kLessonSideMax is reduced as the lesson reduces
// it. Failures name the file as the --image argument.
Result<GreyImage> LoadPicture(const std::string& path, std::istream& standardInput);

// The levels of the block at `at`, a partial one at the right or bottom
// edge filled as JPEG fills it. Failures name the --block argument and say
// which blocks there are.
Result<BlockLevels> PictureBlock(const GreyImage& picture, BlockPosition at);

}  // namespace dct::cli
