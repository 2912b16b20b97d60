// Prints the client areas of the window and the lesson, in pixels and in both
// layouts, as CMake code: the page's style keeps their places from the first
// paint (MakeShell.cmake), with the sizes that the forms themselves take.
#include <cstdio>

#include "platform/Geometry.h"
#include "ui/lesson/LessonLayout.h"
#include "ui/window/WindowLayout.h"

int main() {
  using dct::platform::TwipsToPixels;
  using namespace dct::ui;
  std::printf("set(ClientWidth %d)\nset(ClientHeight %d)\n", TwipsToPixels(kClientWidth),
              TwipsToPixels(kClientHeight));
  std::printf("set(FingerClientWidth %d)\nset(FingerClientHeight %d)\n", kFingerClientWidth,
              kFingerClientHeight);
  std::printf("set(LessonClientWidth %d)\nset(LessonClientHeight %d)\n",
              TwipsToPixels(kLessonClientWidth), TwipsToPixels(kLessonClientHeight));
  std::printf("set(LessonFingerClientWidth %d)\nset(LessonFingerClientHeight %d)\n",
              kLessonFingerClientWidth, kLessonFingerClientHeight);
}
