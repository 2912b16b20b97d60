#include "LessonView.h"

#include <cstdio>

#include "ReconstructBlock.h"

namespace dct::ui {
namespace {

constexpr char kDecimalMark = ',';

platform::GreyPixels blockPixels(const BlockLevels& levels) {
  return {kGridSide, kGridSide, {levels.begin(), levels.end()}};
}

// The difference b − a as a picture, and its scale beside it.
void showDifference(platform::PictureBox& picture, platform::Label& scale, const BlockLevels& a,
                    const BlockLevels& b) {
  const ScaledDifference difference = DifferencePicture(a, b);
  picture.SetPicture(blockPixels(difference.Greys));
  const std::string largest = std::to_string(difference.Largest);
  scale.SetCaption(difference.Largest == 0 ? "iguais"
                                           : "branco: +" + largest + "\npreto: -" + largest);
}

std::string psnrText(const std::optional<double>& psnr) {
  return psnr ? "PSNR " + PsnrText(*psnr, kDecimalMark) + " dB" : "sem perda";
}

std::string zeroedText(const LessonBlock& jpeg) {
  int byQuantisation = 0;
  for (const Zeroed zeroed : jpeg.Zeroes) byQuantisation += zeroed == Zeroed::ByQuantisation;
  return "; zerados " + std::to_string(jpeg.ZeroedCount) + " (quantização " +
         std::to_string(byQuantisation) + ", zig-zag " +
         std::to_string(jpeg.ZeroedCount - byQuantisation) + ")";
}

std::string stepsText(const LessonBlock& jpeg) {
  if (!jpeg.Steps) return "(a qualidade está desligada: nada é quantizado)";
  std::string text;
  for (std::size_t i = 0; i < jpeg.Steps->size(); ++i) {
    char step[8];
    std::snprintf(step, sizeof step, "%4d", (*jpeg.Steps)[i]);
    text += step;
    text += jpeg.Zeroes[i] == Zeroed::No ? ' ' : '*';
    if (i % kGridSide == kGridSide - 1 && i + 1 < jpeg.Steps->size()) text += '\n';
  }
  return text;
}

// The window's progress towards a challenge's target, in a few short lines.
std::string progressText(const ChallengeProgress& progress) {
  if (progress.Solved()) return "Resolvido!";
  return "Coeficientes certos: " + std::to_string(progress.RightCoefficients) + " de " +
         std::to_string(progress.TargetCoefficients) +
         "\nPixels iguais ao alvo: " + std::to_string(progress.EqualPixels) +
         " de 64\nMaior diferença: " + std::to_string(progress.MaxDifference);
}

}  // namespace

std::string QualityText(int quality) {
  return quality == kQualityOff ? "desligada" : std::to_string(quality);
}

void LessonView::ShowNoBlock(const std::string& notice) const {
  for (platform::PictureBox* picture :
       {controls_.picOriginal, controls_.picJpeg, controls_.picDifference}) {
    picture->SetPicture({});
  }
  controls_.lblDifferenceScale->SetCaption("");
  std::string text = "Clique num bloco da imagem, ou use as setas, para o pôr na janela.";
  if (!notice.empty()) text += "\n" + notice;
  controls_.lblMeasures->SetCaption(text);
  controls_.lblSteps->SetCaption("");
}

void LessonView::ShowBlock(int bx, int by, const BlockLevels& original, const LessonBlock& jpeg,
                           const WindowBlock& window, const std::string& notice) const {
  controls_.picOriginal->SetPicture(blockPixels(original));
  controls_.picJpeg->SetPicture(blockPixels(jpeg.JpegLevels));
  showDifference(*controls_.picDifference, *controls_.lblDifferenceScale, original, window.Shown);
  const bool compressed = jpeg.Steps || controls_.hsbKept->Value() < kGridCount;
  std::string text = "Bloco (" + std::to_string(bx) + ", " + std::to_string(by) +
                     ") da imagem\nJPEG: maior diferença " +
                     std::to_string(MaxDifference(original, jpeg.JpegLevels)) + ", " +
                     psnrText(Psnr(original, jpeg.JpegLevels)) +
                     (compressed ? zeroedText(jpeg) : "") + "\nJanela: maior diferença " +
                     std::to_string(window.MaxDifference) + ", " + psnrText(window.Psnr) +
                     "; limitados a ±100: " + std::to_string(jpeg.Limited);
  if (!notice.empty()) text += "\n" + notice;
  controls_.lblMeasures->SetCaption(text);
  controls_.lblSteps->SetCaption(stepsText(jpeg));
}

void LessonView::ShowChallenge(const std::optional<CoefTable>& target,
                               const ChallengeProgress& progress, const WindowBlock& windowBlock,
                               const std::string& notice) const {
  std::string text;
  if (target) {
    const BlockLevels levels = LevelsOf(ReconstructBlock(*target));
    controls_.picTarget->SetPicture(blockPixels(levels));
    showDifference(*controls_.picTargetDifference, *controls_.lblTargetScale, windowBlock.Shown,
                   levels);
    text = progressText(progress) + "\nA imagem e as suas barras esperam até \"Terminar desafio\".";
  } else {
    controls_.picTarget->SetPicture({});
    controls_.picTargetDifference->SetPicture({});
    controls_.lblTargetScale->SetCaption("");
    text = "Escolha um nível e carregue em \"Novo desafio\".";
  }
  if (!notice.empty()) text += "\n" + notice;
  controls_.lblChallenge->SetCaption(text);
}

void LessonView::ShowBarCaptions() const {
  const int quality = controls_.hsbQuality->Value();
  controls_.lblQuality->SetCaption("Qualidade: " + QualityText(quality) +
                                   (quality == kQualityOff ? " (sem quantização)" : ""));
  controls_.lblKept->SetCaption("Coeficientes mantidos (zig-zag): " +
                                std::to_string(controls_.hsbKept->Value()));
  controls_.lblLevel->SetCaption("Nível: " + std::to_string(controls_.hsbLevel->Value()) +
                                 " coeficiente(s) diferente(s) de 0");
}

std::string MoveSentence(int bx, int by, const BlockLevels& original, const LessonBlock& jpeg,
                         const WindowBlock& window) {
  return "Bloco (" + std::to_string(bx) + ", " + std::to_string(by) + "): JPEG " +
         psnrText(Psnr(original, jpeg.JpegLevels)) + ", janela " + psnrText(window.Psnr) + ".";
}

}  // namespace dct::ui
