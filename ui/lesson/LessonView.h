#pragma once

#include <optional>
#include <string>

#include "model/CoefTable.h"
#include "model/jpeg/JpegPicture.h"
#include "model/lesson/BlockMeasures.h"
#include "model/lesson/Challenge.h"
#include "model/lesson/LessonBlock.h"
#include "model/picture/BlockLevels.h"
#include "model/picture/GreyImage.h"
#include "ui/lesson/LessonLayout.h"

namespace dct::ui {

// How far JPEG's whole picture is from the original, measured once for each
// setting.
struct PictureMeasures {
  int MaxDifference = 0;
  std::optional<double> Psnr;
};

// What the photo's box shows: the picture, as JPEG compresses it, or the
// difference between the two four times amplified.
enum class PhotoView { Original, Jpeg, Difference };

// The lesson's texts and pictures: what it says of the framed block, of the
// window and of the challenge. It only writes controls; the handlers decide.
class LessonView {
 public:
  explicit LessonView(const LessonControls& controls) : controls_(controls) {}

  // No block framed yet: nothing to compare, and what to do instead.
  void ShowNoBlock(const std::string& notice) const;
  // The framed block (bx, by) beside JPEG's block and the window's: the
  // pictures, the measures of both losses, and `notice` about the last
  // action; JPEG's table of steps, * on the coefficients that it zeroed.
  void ShowBlock(int bx, int by, const BlockLevels& original, const LessonBlock& jpeg,
                 const WindowBlock& window, const std::string& notice) const;
  // The target, how far the window is from it, and `notice` (a hint); or
  // how to start one.
  void ShowChallenge(const std::optional<CoefTable>& target, const ChallengeProgress& progress,
                     const WindowBlock& windowBlock, const std::string& notice) const;
  // The bars' captions with their values, and the photo's view on its button.
  void ShowBarCaptions(PhotoView view) const;
  // The whole picture as JPEG compresses it at `quality` (none: off, the file
  // then at 100): its measures, and its file's size; `notice` about saving.
  void ShowFile(const GreyImage& original, const JpegCompressed& compressed,
                const PictureMeasures& measures, std::optional<int> quality,
                const std::string& notice) const;
  // How the coder writes the framed block (nothing framed: none), and the
  // window's table quantised with the same steps, each after the block
  // before the framed one.
  void ShowCode(const std::optional<std::pair<int, int>>& framed, const JpegCompressed& compressed,
                int blocksAcross, const CoefTable& window) const;

 private:
  const LessonControls& controls_;
};

// "Bloco (10, 12): JPEG 38,21 dB, janela 35,00 dB.": what a screen reader
// is told after a move of the frame.
std::string MoveSentence(int bx, int by, const BlockLevels& original, const LessonBlock& jpeg,
                         const WindowBlock& window);

}  // namespace dct::ui
