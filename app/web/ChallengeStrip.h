#pragma once

#include <emscripten/val.h>

#include <optional>
#include <string>

#include "app/Program.h"
#include "model/CoefTable.h"

// On a screen too narrow for the lesson beside the window, a strip at the top
// of the page keeps a challenge's target and the window's progress towards
// it in view while the student edits the window (the page's style shows it
// only there, and only while the page's root is of class "challenge").
class ChallengeStrip {
 public:
  ChallengeStrip(dct::platform::Runtime& runtime, dct::ui::Program& program);
  ChallengeStrip(const ChallengeStrip&) = delete;
  ChallengeStrip& operator=(const ChallengeStrip&) = delete;
  ~ChallengeStrip();

 private:
  void update();

  dct::platform::Runtime& runtime_;
  dct::ui::Program& program_;
  emscripten::val root_;
  emscripten::val canvas_;
  emscripten::val text_;
  // What it shows, so that an unchanged strip is left alone.
  std::optional<dct::CoefTable> target_;
  std::string progress_;
};
