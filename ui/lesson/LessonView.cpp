#include "LessonView.h"

#include <algorithm>
#include <cstdio>

#include "Challenge.h"
#include "ReconstructBlock.h"

namespace dct::ui {
namespace {

// Portuguese writes a decimal comma.
std::string decimal(double value, const char* format) {
  char text[32];
  std::snprintf(text, sizeof text, format, value);
  std::string result(text);
  std::replace(result.begin(), result.end(), '.', ',');
  return result;
}

platform::GreyPixels blockPixels(const BlockLevels& levels) {
  return {kGridSide, kGridSide, {levels.begin(), levels.end()}};
}

platform::GreyPixels differencePixels(const BlockLevels& from, const BlockLevels& to) {
  const auto colours = DifferencePicture(from, to);
  platform::GreyPixels pixels{kGridSide, kGridSide, {}};
  for (const Rgb colour : colours)
    pixels.levels.push_back(static_cast<std::uint8_t>(RedOf(colour)));
  return pixels;
}

std::string zeroedText(const LessonBlock& lesson) {
  int byQuantisation = 0;
  for (const Zeroed zeroed : lesson.Zeroes) byQuantisation += zeroed == Zeroed::ByQuantisation;
  return "Zerados: " + std::to_string(lesson.ZeroedCount) + " (quantização " +
         std::to_string(byQuantisation) + ", zig-zag " +
         std::to_string(lesson.ZeroedCount - byQuantisation) + ")";
}

}  // namespace

void LessonView::ShowBlock(int bx, int by, const BlockLevels& original, const WindowBlock& window,
                           const LessonBlock* entered, const std::string& notice) const {
  controls_.picOriginal->SetPicture(blockPixels(original));
  controls_.picDifference->SetPicture(differencePixels(original, window.Shown));
  std::string text = "Bloco (" + std::to_string(bx) + ", " + std::to_string(by) +
                     ") da imagem\nJanela e original: maior diferença " +
                     std::to_string(window.MaxDifference);
  text += window.Psnr ? ", PSNR " + PsnrText(*window.Psnr, ',') + " dB" : ", iguais";
  if (entered != nullptr) {
    text += "\nLimitados a ±100: " + std::to_string(entered->Limited) + "; " + zeroedText(*entered);
  }
  if (!notice.empty()) text += "\n" + notice;
  controls_.lblMeasures->SetCaption(text);
}

void LessonView::ShowSteps(const LessonBlock* entered) const {
  if (entered == nullptr || !entered->Steps) {
    controls_.lblSteps->SetCaption("(a qualidade está desligada: nada é quantizado)");
    return;
  }
  std::string text;
  for (int i = 0; i < kGridCount; ++i) {
    const auto index = static_cast<std::size_t>(i);
    const double step = (*entered->Steps)[index];
    text += decimal(step, step < 1 ? "%5.3f" : step < 10 ? "%5.2f" : "%5.1f");
    text += entered->Zeroes[index] == Zeroed::No ? ' ' : '*';
    if (i % kGridSide == kGridSide - 1 && i + 1 < kGridCount) text += '\n';
  }
  controls_.lblSteps->SetCaption(text);
}

void LessonView::ShowChallenge(const std::optional<CoefTable>& target, const WindowBlock& window,
                               const std::string& notice) const {
  std::string text;
  if (target) {
    const PixelBlock block = ReconstructBlock(*target);
    const BlockLevels levels = LevelsOf(block);
    controls_.picTarget->SetPicture(blockPixels(levels));
    controls_.picTargetDifference->SetPicture(differencePixels(levels, window.Shown));
    text = Solved(block, window.Block)
               ? "Resolvido!"
               : "Pixels iguais ao alvo: " + std::to_string(EqualPixels(block, window.Block)) +
                     " de 64";
  } else {
    controls_.picTarget->SetPicture({});
    controls_.picTargetDifference->SetPicture({});
    text = "Escolha um nível e carregue em \"Novo desafio\".";
  }
  if (!notice.empty()) text += "\n" + notice;
  controls_.lblChallenge->SetCaption(text);
}

void LessonView::ShowBarCaptions() const {
  const int quality = controls_.hsbQuality->Value();
  controls_.lblQuality->SetCaption("Qualidade: " + (quality == kQualityOff
                                                        ? std::string("desligada (sem quantização)")
                                                        : std::to_string(quality)));
  controls_.lblKept->SetCaption("Coeficientes mantidos (zig-zag): " +
                                std::to_string(controls_.hsbKept->Value()));
  controls_.lblLevel->SetCaption("Nível: " + std::to_string(controls_.hsbLevel->Value()) +
                                 " coeficiente(s) diferente(s) de 0");
}

}  // namespace dct::ui
