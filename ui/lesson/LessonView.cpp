#include "ui/lesson/LessonView.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>

#include "model/ReconstructBlock.h"
#include "model/jpeg/JpegBlockCode.h"
#include "model/jpeg/JpegQuantisation.h"
#include "model/jpeg/ZigZag.h"

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

std::string signedText(int value) { return (value > 0 ? "+" : "") + std::to_string(value); }

std::string bitsText(std::uint32_t bits, int length) {
  std::string text;
  for (int bit = length - 1; bit >= 0; --bit) text += (bits >> bit) & 1U ? '1' : '0';
  return text;
}

std::string symbolText(const JpegSymbol& symbol, const QuantisedBlock& block) {
  const std::string code = bitsText(symbol.Code.Bits, symbol.Code.Length);
  const std::string amplitude = bitsText(symbol.Amplitude, symbol.Size);
  switch (symbol.Kind) {
    case JpegSymbolKind::Dc:
      return "DC " + std::to_string(block[0]) + ", diferença " + signedText(symbol.Value) + ": " +
             code + (amplitude.empty() ? "" : " " + amplitude);
    case JpegSymbolKind::Ac:
      return std::to_string(symbol.Run) + "/" + std::to_string(symbol.Size) + " " +
             signedText(symbol.Value) + ": " + code + " " + amplitude;
    case JpegSymbolKind::ZeroRun:
      return "ZRL: " + code;
    case JpegSymbolKind::EndOfBlock:
      return "EOB: " + code;
  }
  return {};
}

// The values in zig-zag order, the zeros at the end counted, then each
// symbol with its code and the bits of its value, and the bits in all.
std::string codeText(const std::string& heading, const QuantisedBlock& block,
                     const JpegBlockCode& code) {
  std::size_t last = 0;
  for (std::size_t rank = 0; rank < kZigZag.size(); ++rank) {
    if (block[static_cast<std::size_t>(kZigZag[rank])] != 0) last = rank;
  }
  std::string text = heading + "\nzig-zag:";
  for (std::size_t rank = 0; rank <= last; ++rank) {
    text += " " + std::to_string(block[static_cast<std::size_t>(kZigZag[rank])]);
  }
  if (last + 1 < kZigZag.size()) text += " (e " + std::to_string(63 - last) + " zeros)";
  text += "\n";
  for (std::size_t i = 0; i < code.Symbols.size(); ++i) {
    text += (i == 0 ? "" : "; ") + symbolText(code.Symbols[i], block);
  }
  return text + "\n" + std::to_string(code.BitCount) + " bits";
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

void LessonView::ShowBarCaptions(PhotoView view) const {
  controls_.cmdView->SetCaption(view == PhotoView::Original ? "Ver: original"
                                : view == PhotoView::Jpeg   ? "Ver: JPEG"
                                                            : "Ver: diferença ×4");
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

void LessonView::ShowFile(const GreyImage& original, const JpegCompressed& compressed,
                          const PictureMeasures& measures, std::optional<int> quality,
                          const std::string& notice) const {
  const double pixels = static_cast<double>(original.width()) * original.height();
  const double bytes = static_cast<double>(compressed.File.size());
  std::string text = "Imagem inteira (" + std::to_string(original.width()) + "×" +
                     std::to_string(original.height()) + ") em JPEG: maior diferença " +
                     std::to_string(measures.MaxDifference) + ", " + psnrText(measures.Psnr) +
                     ".\nFicheiro" +
                     (quality ? "" : " (com a qualidade 100, pois um JPEG quantiza sempre)") +
                     ": " + std::to_string(compressed.File.size()) + " bytes, " +
                     DecimalText(bytes * 8 / pixels, 2, kDecimalMark) + " bits por pixel, " +
                     DecimalText(pixels / bytes, 1, kDecimalMark) + " vezes menor que os " +
                     std::to_string(static_cast<long long>(pixels)) + " bytes do original.";
  if (!notice.empty()) text += "\n" + notice;
  controls_.lblPicture->SetCaption(text);
}

void LessonView::ShowCode(const std::optional<std::pair<int, int>>& framed,
                          const JpegCompressed& compressed, int blocksAcross,
                          const CoefTable& window) const {
  std::string text = "Cada símbolo: corrida/categoria e valor: código de Huffman e bits do valor.";
  std::size_t index = 0;
  if (framed) {
    index = static_cast<std::size_t>(framed->second * blocksAcross + framed->first);
    text += "\n\n" + codeText("O bloco (" + std::to_string(framed->first) + ", " +
                                  std::to_string(framed->second) + ") no ficheiro:",
                              compressed.Blocks[index], CodeOfBlock(compressed, index));
  }
  const QuantisedBlock windowBlock = QuantiseWindowTable(window, compressed.Steps);
  const auto previous = index == 0 ? std::int16_t{0} : compressed.Blocks[index - 1][0];
  text += "\n\n" + codeText("A janela, com os mesmos passos:", windowBlock,
                            CodeJpegBlock(windowBlock, previous));
  controls_.lblCode->SetCaption(text);
}

}  // namespace dct::ui
