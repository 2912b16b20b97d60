// The lesson's route into the window. A user's action on the lesson runs one
// of its handlers; those that pick a block enter it into the window as a user
// would type it:
//
//   picPicture_MouseDown(x, y)    a press, a drag onto another block, an
//   `- moveTo(bx, by)             arrow key; or a bar's Change, in place
//      `- enterBlock()            ComputeLessonBlock: the block's forward
//         |                       transform, quantised, the first N kept
//         `- Form1::EnterTable    "Reset" clicked, each value that is not 0
//            |                    typed into its box, F(0,0) clicked
//            `- the window's handlers, exactly as for the user's own keys
//
// After the outermost handler returns, whichever form it came to, Refresh
// brings the lesson's figures in step with what the window now holds: the
// window is the one truth, and the student may have edited it since.
//
// The cost is the window's own: Reset repaints it once or twice, and each of
// the n coefficients typed computes and repaints its block once or twice, so
// a detailed block costs some 2n repaints of the window. Refresh adds one
// block of its own and the lesson's small pictures.
#include "Lesson.h"

#include <algorithm>
#include <string>

#include "BlockMeasures.h"
#include "BuiltinPicture.h"
#include "Challenge.h"
#include "FormBuilder.h"
#include "ImageBlocks.h"
#include "PageLink.h"
#include "ReducedPicture.h"
#include "Runtime.h"

namespace dct::ui {
namespace {

constexpr const char* kUnreadableImage = "Não foi possível ler essa imagem; a anterior ficou.";

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
      view_(controls_),
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
  picture.OnKeyDown([this](platform::PictureKey key) { picPicture_KeyDown(key); });
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

// A press enters the block under it, also the one framed already: the
// student gets it back as it was.
void Lesson::picPicture_MouseDown(int x, int y) { moveTo(x / kGridSide, y / kGridSide, true); }

// Dragging enters a block each time the pointer reaches another one.
void Lesson::picPicture_MouseMove(int x, int y) { moveTo(x / kGridSide, y / kGridSide, false); }

void Lesson::picPicture_KeyDown(platform::PictureKey key) {
  const int across = key == platform::PictureKey::Left ? -1 : key == platform::PictureKey::Right;
  const int down = key == platform::PictureKey::Up ? -1 : key == platform::PictureKey::Down;
  moveTo(blockX_ + across, blockY_ + down, false);
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
  challengeNotice_ =
      hint ? "Dica: " + CoefficientName(hint->Index) + " = " + std::to_string(hint->Value) + "."
           : "Todos os coeficientes já estão como no alvo.";
}

// The link holds the window's table, which gives the target block; the
// clipboard gets it where the platform allows, the box always.
void Lesson::cmdCreateChallenge_Click() {
  const std::string text =
      PageAddress(linkBase_, PageFragment({LinkKind::Challenge, window_.Model().Coef}));
  controls_.txtLink->SetText(text);
  platform::Runtime::CopyText(text, {});
  challengeNotice_ = "Ligação do desafio copiada: quem a abrir vê este bloco como alvo.";
}

void Lesson::EndChallenge() {
  target_.reset();
  challengeNotice_.clear();
}

Compression Lesson::currentCompression() const {
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

// A block beyond the picture's edge is the nearest one at the edge.
void Lesson::moveTo(int bx, int by, bool again) {
  bx = std::clamp(bx, 0, BlocksAcross(picture_) - 1);
  by = std::clamp(by, 0, BlocksDown(picture_) - 1);
  if (bx == blockX_ && by == blockY_ && !again) return;
  moveFrame(bx, by);
  enterBlock();
}

void Lesson::enterBlock() {
  const auto levels = ImageBlock(picture_, blockX_, blockY_);
  if (!levels) return;
  entered_ = ComputeLessonBlock(*levels, currentCompression());
  window_.EnterTable(entered_->Table);
}

void Lesson::OpenChallenge(const CoefTable& target) {
  target_ = target;
  challengeNotice_.clear();
  window_.PressReset();
}

void Lesson::Refresh() {
  const BlockLevels original = ImageBlock(picture_, blockX_, blockY_).value_or(BlockLevels{});
  const WindowBlock window = CompareWindowBlock(original, window_.Model().Coef);
  const LessonBlock* entered = entered_ ? &*entered_ : nullptr;
  view_.ShowBlock(blockX_, blockY_, original, window, entered, notice_);
  view_.ShowSteps(entered);
  view_.ShowChallenge(target_, window, challengeNotice_);
  view_.ShowBarCaptions();
}

}  // namespace dct::ui
