#include "Lesson.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "BlockMeasures.h"
#include "BuiltinPicture.h"
#include "Challenge.h"
#include "ChallengeLink.h"
#include "ControlBuilder.h"
#include "EnterTable.h"
#include "ImageBlocks.h"
#include "ReconstructBlock.h"
#include "ReducedPicture.h"
#include "Runtime.h"

namespace dct::ui {
namespace {

constexpr const char* kUnreadableImage = "Não foi possível ler essa imagem; a anterior ficou.";

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

Lesson::Lesson(Form1& window, std::uint32_t seed, std::string linkBase)
    : window_(window),
      form_(platform::FormSettings{.title = kLessonTitle,
                                   .clientWidth = kLessonClientWidth,
                                   .clientHeight = kLessonClientHeight,
                                   .fingerClientWidth = kLessonFingerClientWidth,
                                   .fingerClientHeight = kLessonFingerClientHeight,
                                   .pageElement = "lesson",
                                   .secondary = true}),
      picture_(BuiltinPicture()),
      seed_(seed),
      linkBase_(std::move(linkBase)) {
  for (const LessonControl& control : kLessonControls) AddSingle(form_, control, controls_);
  form_.ApplyTabOrder();
  connectHandlers();
  platform::Runtime::AfterEachEvent(this, [this] { Refresh(); });
}

Lesson::~Lesson() { platform::Runtime::ForgetAfterEachEvent(this); }

void Lesson::connectHandlers() {
  platform::PictureBox& picture = *controls_.picPicture;
  picture.OnMouseDown([this](int x, int y) { picPicture_MouseDown(x, y); });
  picture.OnMouseMove([this](int x, int y) { picPicture_MouseMove(x, y); });
  picture.OnKeyDown([this](platform::ArrowKey key) { picPicture_KeyDown(key); });
  picture.OnImageChosen(
      [this](const platform::DecodedImage& image) { picPicture_ImageChosen(image); });
  controls_.cmdOpen->OnClick([this] { cmdOpen_Click(); });
  controls_.cmdBuiltin->OnClick([this] { cmdBuiltin_Click(); });
  controls_.hsbQuality->OnChange([this] { hsbQuality_Change(); });
  controls_.hsbKept->OnChange([this] { hsbKept_Change(); });
  controls_.cmdNewChallenge->OnClick([this] { cmdNewChallenge_Click(); });
  controls_.cmdHint->OnClick([this] { cmdHint_Click(); });
  controls_.cmdCreateChallenge->OnClick([this] { cmdCreateChallenge_Click(); });
}

void Lesson::Form_Load() {
  showPicture(BuiltinPicture());
  Refresh();
}

void Lesson::Show() { form_.Show(); }

void Lesson::picPicture_MouseDown(int x, int y) { moveTo(x / kGridSide, y / kGridSide); }

// Dragging enters a block each time the pointer reaches another one.
void Lesson::picPicture_MouseMove(int x, int y) {
  if (x / kGridSide == blockX_ && y / kGridSide == blockY_) return;
  moveTo(x / kGridSide, y / kGridSide);
}

void Lesson::picPicture_KeyDown(platform::ArrowKey key) {
  int bx = blockX_;
  int by = blockY_;
  switch (key) {
    case platform::ArrowKey::Left:
      --bx;
      break;
    case platform::ArrowKey::Right:
      ++bx;
      break;
    case platform::ArrowKey::Up:
      --by;
      break;
    case platform::ArrowKey::Down:
      ++by;
      break;
  }
  bx = std::clamp(bx, 0, BlocksAcross(picture_) - 1);
  by = std::clamp(by, 0, BlocksDown(picture_) - 1);
  if (bx != blockX_ || by != blockY_) moveTo(bx, by);
}

// The user's own picture, in grey and at most kLessonSideMax a side; the
// window keeps its block until the frame moves.
void Lesson::picPicture_ImageChosen(const platform::DecodedImage& image) {
  const auto grey = GreyImage::FromRgba(image.width, image.height, image.rgba);
  if (!grey) {
    notice_ = kUnreadableImage;
    return;
  }
  notice_.clear();
  showPicture(ReducedToFit(*grey));
}

void Lesson::cmdOpen_Click() { controls_.picPicture->ChooseImage(); }

void Lesson::cmdBuiltin_Click() {
  notice_.clear();
  showPicture(BuiltinPicture());
}

void Lesson::hsbQuality_Change() { enterBlock(); }

void Lesson::hsbKept_Change() { enterBlock(); }

void Lesson::cmdNewChallenge_Click() {
  OpenChallenge(MakeChallenge(controls_.hsbLevel->Value(), seed_++));
}

void Lesson::cmdHint_Click() {
  if (!target_) {
    challengeNotice_ = "Ainda não há desafio.";
    return;
  }
  const auto hint = HintFor(*target_, window_.Model().Coef);
  challengeNotice_ = hint ? "Dica: F(" + std::to_string(hint->Index % kGridSide) + "," +
                                std::to_string(hint->Index / kGridSide) +
                                ") = " + std::to_string(hint->Value) + "."
                          : "Todos os coeficientes já estão como no alvo.";
}

// The link holds the window's table, which gives the target block; the
// clipboard gets it where the platform allows, the box always.
void Lesson::cmdCreateChallenge_Click() {
  const auto link = ChallengeLink(window_.Model().Coef);
  if (!link) return;
  const std::string text = linkBase_ + "#" + std::string(kChallengeLinkKey) + *link;
  controls_.txtLink->SetText(text);
  platform::Runtime::CopyText(text);
  challengeNotice_ = "Ligação do desafio copiada: quem a abrir vê este bloco como alvo.";
}

void Lesson::EndChallenge() {
  target_.reset();
  challengeNotice_.clear();
}

Compression Lesson::CurrentCompression() const {
  const int quality = controls_.hsbQuality->Value();
  return {quality == kQualityOff ? std::nullopt : std::optional<int>(quality),
          controls_.hsbKept->Value()};
}

void Lesson::showPicture(GreyImage picture) {
  picture_ = std::move(picture);
  controls_.picPicture->SetPicture({picture_.width(), picture_.height(), picture_.levels()});
  // What was entered came from the picture before.
  entered_.reset();
  moveFrame(0, 0);
}

void Lesson::moveFrame(int bx, int by) {
  blockX_ = bx;
  blockY_ = by;
  const int left = bx * kGridSide;
  const int top = by * kGridSide;
  controls_.picPicture->SetFrame({left, top, std::min(kGridSide, picture_.width() - left),
                                  std::min(kGridSide, picture_.height() - top)});
}

void Lesson::moveTo(int bx, int by) {
  moveFrame(std::clamp(bx, 0, BlocksAcross(picture_) - 1),
            std::clamp(by, 0, BlocksDown(picture_) - 1));
  enterBlock();
}

void Lesson::enterBlock() {
  const auto levels = ImageBlock(picture_, blockX_, blockY_);
  if (!levels) return;
  entered_ = ComputeLessonBlock(*levels, CurrentCompression());
  EnterTable(window_, entered_->Table);
}

void Lesson::OpenChallenge(const CoefTable& target) {
  target_ = target;
  challengeNotice_.clear();
  ClearWindow(window_);
}

void Lesson::Refresh() {
  const PixelBlock windowBlock = ReconstructBlock(window_.Model().Coef);
  const BlockLevels shown = LevelsOf(windowBlock);
  const BlockLevels original = ImageBlock(picture_, blockX_, blockY_).value_or(BlockLevels{});
  controls_.picOriginal->SetPicture(blockPixels(original));
  controls_.picDifference->SetPicture(differencePixels(original, shown));
  showMeasures(original, shown);
  showSteps();
  showChallenge(windowBlock, shown);
  const int quality = controls_.hsbQuality->Value();
  controls_.lblQuality->SetCaption("Qualidade: " + (quality == kQualityOff
                                                        ? std::string("desligada (sem quantização)")
                                                        : std::to_string(quality)));
  controls_.lblKept->SetCaption("Coeficientes mantidos (zig-zag): " +
                                std::to_string(controls_.hsbKept->Value()));
  controls_.lblLevel->SetCaption("Nível: " + std::to_string(controls_.hsbLevel->Value()) +
                                 " coeficiente(s) diferente(s) de 0");
}

void Lesson::showMeasures(const BlockLevels& original, const BlockLevels& shown) {
  std::string text = "Bloco (" + std::to_string(blockX_) + ", " + std::to_string(blockY_) +
                     ") da imagem\nJanela e original: maior diferença " +
                     std::to_string(MaxDifference(original, shown));
  const auto psnr = Psnr(original, shown);
  text += psnr ? ", PSNR " + decimal(*psnr, "%.1f") + " dB" : ", iguais";
  if (entered_) {
    text +=
        "\nLimitados a ±100: " + std::to_string(entered_->Limited) + "; " + zeroedText(*entered_);
  }
  if (!notice_.empty()) text += "\n" + notice_;
  controls_.lblMeasures->SetCaption(text);
}

void Lesson::showSteps() {
  if (!entered_ || !entered_->Steps) {
    controls_.lblSteps->SetCaption("(a qualidade está desligada: nada é quantizado)");
    return;
  }
  std::string text;
  for (int i = 0; i < kGridCount; ++i) {
    const auto index = static_cast<std::size_t>(i);
    const double step = (*entered_->Steps)[index];
    text += decimal(step, step < 1 ? "%5.3f" : step < 10 ? "%5.2f" : "%5.1f");
    text += entered_->Zeroes[index] == Zeroed::No ? ' ' : '*';
    if (i % kGridSide == kGridSide - 1 && i + 1 < kGridCount) text += '\n';
  }
  controls_.lblSteps->SetCaption(text);
}

void Lesson::showChallenge(const PixelBlock& windowBlock, const BlockLevels& shown) {
  std::string text;
  if (target_) {
    const PixelBlock target = ReconstructBlock(*target_);
    const BlockLevels levels = LevelsOf(target);
    controls_.picTarget->SetPicture(blockPixels(levels));
    controls_.picTargetDifference->SetPicture(differencePixels(levels, shown));
    text = Solved(target, windowBlock)
               ? "Resolvido!"
               : "Pixels iguais ao alvo: " + std::to_string(EqualPixels(target, windowBlock)) +
                     " de 64";
  } else {
    controls_.picTarget->SetPicture({});
    controls_.picTargetDifference->SetPicture({});
    text = "Escolha um nível e carregue em \"Novo desafio\".";
  }
  if (!challengeNotice_.empty()) text += "\n" + challengeNotice_;
  controls_.lblChallenge->SetCaption(text);
}

}  // namespace dct::ui
