#pragma once

#include <optional>
#include <string>

#include "BlockLevels.h"
#include "BlockMeasures.h"
#include "CoefTable.h"
#include "LessonBlock.h"
#include "LessonLayout.h"

namespace dct::ui {

// The lesson's texts and pictures: what it says of the window, the framed
// block and the challenge. It only writes controls; the handlers decide.
class LessonView {
 public:
  explicit LessonView(const LessonControls& controls) : controls_(controls) {}

  // The framed block (bx, by) beside the window's: both enlarged, their
  // difference, the measures, and what the last entry limited and zeroed;
  // `notice` is a line about the last action.
  void ShowBlock(int bx, int by, const BlockLevels& original, const WindowBlock& window,
                 const LessonBlock* entered, const std::string& notice) const;
  // The quantisation steps, * on the coefficients that compression zeroed.
  void ShowSteps(const LessonBlock* entered) const;
  // The target and how far the window is from it, or how to start one.
  void ShowChallenge(const std::optional<CoefTable>& target, const WindowBlock& window,
                     const std::string& notice) const;
  // The bars' captions with their values.
  void ShowBarCaptions() const;

 private:
  const LessonControls& controls_;
};

}  // namespace dct::ui
