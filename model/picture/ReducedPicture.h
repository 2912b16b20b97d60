#pragma once

#include "model/picture/GreyImage.h"

namespace dct {

// The largest side of a picture that the lesson takes as it is: its blocks
// are then at least a pixel of a phone's screen wide.
inline constexpr int kLessonSideMax = 512;

// The picture as it is when neither side exceeds `maxSide`; otherwise reduced
// by the smallest whole factor that brings both sides within it, each pixel
// the mean of a square (see PictureReducer, which holds the rule). Whole
// factors and whole numbers, so that every build reduces a picture alike.
GreyImage ReducedToFit(const GreyImage& image, int maxSide = kLessonSideMax);

}  // namespace dct
