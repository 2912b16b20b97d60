#pragma once

#include <cstdint>
#include <span>
#include <variant>

#include "model/picture/GreyImage.h"
#include "model/picture/PictureFault.h"

namespace dct {

// A picture file as the lesson takes it, the same in every edition: a PNG or
// JPEG checked strictly (CheckPng, CheckJpeg), decoded with the values stored
// in the file (no colour profile or gamma), turned upright by its EXIF
// orientation, each pixel made grey (GreyOverWhite, 16-bit samples by
// EightBitSample) and the whole reduced to at most kLessonSideMax a side as
// ReducedToFit reduces it. The result equals turning the full picture, then
// reducing it; the full picture is never held in grey. Otherwise why not.
std::variant<GreyImage, PictureFault> ReadPictureFile(std::span<const std::uint8_t> bytes);

}  // namespace dct
