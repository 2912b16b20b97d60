// The lesson's route into the window. A user's action on the lesson runs one
// of its handlers; those that pick a block enter it into the window as a user
// would type it:
//
//   picPicture_MouseDown(x, y)    a press, a drag onto another block, an
//   `- moveTo(bx, by)             arrow key; or a bar's Change, in place
//      `- enterBlock()            ComputeLessonBlock: what JPEG makes of the
//         |                       block, and what the window gets of it
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
#include "ui/lesson/Lesson.h"

#include <algorithm>
#include <initializer_list>
#include <string>
#include <utility>

#include "model/lesson/BasisPatterns.h"
#include "model/lesson/BlockMeasures.h"
#include "model/lesson/Challenge.h"
#include "model/picture/BuiltinPicture.h"
#include "model/picture/ImageBlocks.h"
#include "platform/Runtime.h"
#include "ui/form/FormBuilder.h"
#include "ui/lesson/ChosenPicture.h"

namespace dct::ui {
namespace {

// PageUp and PageDown move the frame by this many rows of blocks.
constexpr int kPageOfBlocks = 4;
// The 64 patterns: each coefficient alone at this value, a pixel each, with
// a line between them.
constexpr std::int16_t kPatternValue = 100;
constexpr int kPatternLine = 1;
// The whole picture's difference from JPEG's: small enough a gain to see
// the photograph's edges through it, large enough for a level or two.
constexpr int kDifferenceGain = 4;

constexpr const char* kFromFileAdvice =
    "Esta página foi aberta de um ficheiro, e um endereço \"file:\" só serve neste "
    "computador: envie o ficheiro da página e o texto da caixa; quem o colar nessa caixa e "
    "carregar em Enter vê este bloco como alvo.";

// A page opened from disk has an address that names a file on this computer.
bool fromFile(const std::string& base) { return base.starts_with("file:"); }

}  // namespace

Lesson::Lesson(platform::Runtime& runtime, Form1& window, std::uint32_t seed, std::string linkBase,
               LinkOpener openLink)
    : runtime_(runtime),
      window_(window),
      form_(runtime, platform::FormSettings{.title = kLessonTitle,
                                            .clientWidth = kLessonClientWidth,
                                            .clientHeight = kLessonClientHeight,
                                            .fingerClientWidth = kLessonFingerClientWidth,
                                            .fingerClientHeight = kLessonFingerClientHeight,
                                            .pageElement = "lesson",
                                            .secondary = true}),
      view_(controls_),
      picture_(BuiltinPicture()),
      seed_(seed),
      linkBase_(std::move(linkBase)),
      openLink_(std::move(openLink)) {
  for (const LessonControl& control : kLessonControls) AddSingle(form_, control, controls_);
  form_.ApplyTabOrder();
  form_.TieLabel(*controls_.lblQuality, *controls_.hsbQuality);
  form_.TieLabel(*controls_.lblKept, *controls_.hsbKept);
  form_.TieLabel(*controls_.lblLevel, *controls_.hsbLevel);
  form_.TieLabel(*controls_.lblLink, *controls_.txtLink);
  connectHandlers();
  runtime_.AfterEachEvent(this, [this] { Refresh(); });
}

Lesson::~Lesson() {
  runtime_.ForgetAfterEachEvent(this);
  runtime_.Forget(this);
}

void Lesson::connectHandlers() {
  platform::PictureBox& picture = *controls_.picPicture;
  picture.OnMouseDown([this](int x, int y) { picPicture_MouseDown(x, y); });
  picture.OnMouseMove([this](int x, int y) { picPicture_MouseMove(x, y); });
  picture.OnKeyDown([this](platform::PictureKey key) { picPicture_KeyDown(key); });
  picture.OnFileChosen([this](const platform::ChosenFile& file) { picPicture_FileChosen(file); });
  controls_.cmdOpen->OnClick([this] { cmdOpen_Click(); });
  controls_.cmdBuiltin->OnClick([this] { cmdBuiltin_Click(); });
  controls_.hsbQuality->OnChange([this] { hsbQuality_Change(); });
  controls_.hsbKept->OnChange([this] { hsbKept_Change(); });
  controls_.cmdNewChallenge->OnClick([this] { cmdNewChallenge_Click(); });
  controls_.cmdHint->OnClick([this] { cmdHint_Click(); });
  controls_.cmdCreateChallenge->OnClick([this] { cmdCreateChallenge_Click(); });
  controls_.cmdEndChallenge->OnClick([this] { cmdEndChallenge_Click(); });
  controls_.txtLink->OnKeyPress([this](int keyAscii) { txtLink_KeyPress(keyAscii); });
  controls_.cmdView->OnClick([this] { cmdView_Click(); });
  controls_.cmdSaveJpeg->OnClick([this] { cmdSaveJpeg_Click(); });
  controls_.picPatterns->OnMouseDown([this](int x, int y) { picPatterns_MouseDown(x, y); });
  controls_.picPatterns->OnKeyDown([this](platform::PictureKey key) { picPatterns_KeyDown(key); });
}

void Lesson::Form_Load() {
  const GreyImage patterns = BasisPatterns(kPatternValue, 1, kPatternLine);
  controls_.picPatterns->SetPicture({patterns.width(), patterns.height(), patterns.levels()});
  showPicture(BuiltinPicture());
  Refresh();
}

void Lesson::Show() { form_.Show(); }

// A press enters the block under it, also the one framed already: the
// student gets it back as it was.
void Lesson::picPicture_MouseDown(int x, int y) { moveTo(x / kGridSide, y / kGridSide, true); }

// Dragging enters a block each time the pointer reaches another one.
void Lesson::picPicture_MouseMove(int x, int y) { moveTo(x / kGridSide, y / kGridSide, false); }

// The first key frames the first block; then the arrows move by a block,
// PageUp and PageDown by four rows, Home and End to the row's ends.
void Lesson::picPicture_KeyDown(platform::PictureKey key) {
  using platform::PictureKey;
  int bx = blockX_;
  int by = blockY_;
  if (framed_) {
    switch (key) {
      case PictureKey::Left:
        --bx;
        break;
      case PictureKey::Right:
        ++bx;
        break;
      case PictureKey::Up:
        --by;
        break;
      case PictureKey::Down:
        ++by;
        break;
      case PictureKey::PageUp:
        by -= kPageOfBlocks;
        break;
      case PictureKey::PageDown:
        by += kPageOfBlocks;
        break;
      case PictureKey::Home:
        bx = 0;
        break;
      case PictureKey::End:
        bx = BlocksAcross(picture_) - 1;
        break;
    }
  }
  moveTo(bx, by, false);
}

// The user's own picture, read and decoded away from the events (a large
// photograph takes a second or more), in grey and at most kLessonSideMax a
// side; meanwhile the lesson says so and keeps the picture it has. Each
// file says "A ler" first, so that a second refusal of a file shows anew.
void Lesson::picPicture_FileChosen(const platform::ChosenFile& file) {
  const long long number = ++*picturesChosen_;
  notice_ = ReadingNotice(file.name);
  controls_.picPicture->SetAccessibleDescription(notice_);
  controls_.picPicture->SetBusy(true);
  auto outcome = std::make_shared<std::optional<std::variant<GreyImage, std::string>>>();
  runtime_.RunInBackground(
      this, {"picPicture", "FileRead"},
      [file, outcome, number, chosen = picturesChosen_] {
        if (*chosen == number) *outcome = ReadChosenPicture(file);
      },
      [this, number, name = file.name, outcome] { fileRead(number, name, std::move(*outcome)); });
}

// The window keeps its block until a block of the new picture is picked.
void Lesson::fileRead(long long number, const std::string& name,
                      std::optional<std::variant<GreyImage, std::string>> outcome) {
  if (number != *picturesChosen_ || !outcome) return;
  controls_.picPicture->SetBusy(false);
  if (auto* refusal = std::get_if<std::string>(&*outcome)) {
    notice_ = std::move(*refusal);
    controls_.picPicture->SetAccessibleDescription(notice_);
    return;
  }
  notice_.clear();
  showPicture(std::get<GreyImage>(std::move(*outcome)));
  controls_.picPicture->SetAccessibleDescription("Leu-se «" + name +
                                                 "»: " + std::to_string(picture_.width()) + "×" +
                                                 std::to_string(picture_.height()) + " pixels.");
}

// The notice of a picture not read goes, so that another shows anew.
void Lesson::cmdOpen_Click() {
  notice_.clear();
  controls_.picPicture->ChooseImage();
}

// A picture still being read is not shown after it.
void Lesson::cmdBuiltin_Click() {
  ++*picturesChosen_;
  controls_.picPicture->SetBusy(false);
  notice_.clear();
  showPicture(BuiltinPicture());
}

void Lesson::hsbQuality_Change() {
  compress();
  if (framed_) enterBlock();
}

void Lesson::hsbKept_Change() {
  compress();
  if (framed_) enterBlock();
}

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

// The link holds the window's table, which gives the target block. A page
// opened from disk has no address to send: the part from "desafio=" goes in
// the box, for the page file's receiver to paste. The clipboard's answer
// comes later, and the notice with it.
void Lesson::cmdCreateChallenge_Click() {
  const CoefTable& table = window_.Model().Coef;
  if (table == CoefTable{}) {
    linkNotice_ =
        "A janela está vazia: ponha-lhe coeficientes, ou escolha um bloco, antes de criar um "
        "desafio.";
    return;
  }
  const std::string fragment = PageFragment({LinkKind::Challenge, table});
  const std::string text = fromFile(linkBase_) ? fragment : PageAddress(linkBase_, fragment);
  controls_.txtLink->SetText(text);
  linkNotice_ = "A copiar a ligação…";
  runtime_.CopyText(text, [this](bool done) { copied(done); });
}

void Lesson::copied(bool done) {
  linkNotice_ = done ? "Ligação copiada." : "Não foi possível copiar a ligação: copie-a da caixa.";
  linkNotice_ += fromFile(linkBase_) ? std::string(" ") + kFromFileAdvice
                                     : " Quem a abrir vê este bloco como alvo.";
}

// The window stays as the student left it.
void Lesson::cmdEndChallenge_Click() {
  EndChallenge();
  challengeNotice_ = "Desafio terminado.";
}

// A whole link, or the part from "desafio=", opens as the page's address.
void Lesson::txtLink_KeyPress(int keyAscii) {
  constexpr int kReturn = 13;
  if (keyAscii != kReturn) return;
  switch (openLink_(controls_.txtLink->Text())) {
    case LinkKind::Block:
    case LinkKind::Challenge:
      linkNotice_.clear();
      break;
    case LinkKind::None:
      linkNotice_ = "Cole na caixa uma ligação, ou a parte dela que começa em \"desafio=\".";
      break;
    case LinkKind::Unreadable:
      linkNotice_ = "Essa ligação não traz coeficientes nem um desafio que se possam ler.";
      break;
    case LinkKind::DamagedChallenge:
      linkNotice_ = "Essa ligação de desafio está danificada: falta ou mudou algum carácter.";
      break;
  }
}

void Lesson::cmdView_Click() {
  viewMode_ = viewMode_ == PhotoView::Original ? PhotoView::Jpeg
              : viewMode_ == PhotoView::Jpeg   ? PhotoView::Difference
                                               : PhotoView::Original;
  showView();
}

// The file of the whole picture, as the size says; a page downloads it.
void Lesson::cmdSaveJpeg_Click() {
  const int quality = controls_.hsbQuality->Value();
  const std::string name =
      "licao-qualidade-" + std::to_string(quality == kQualityOff ? kQualityMax : quality) + ".jpg";
  fileNotice_.clear();
  runtime_.SaveFile(
      name, compressed_->File, [this](platform::SaveOutcome outcome, const std::string& saved) {
        using platform::SaveOutcome;
        const std::string size = " (" + std::to_string(compressed_->File.size()) + " bytes).";
        fileNotice_ = outcome == SaveOutcome::Saved ? "Guardado em «" + saved + "»" + size
                      : outcome == SaveOutcome::Downloaded
                          ? "O navegador recebeu «" + saved + "» para descarregar" + size
                      : outcome == SaveOutcome::Failed
                          ? "Não foi possível guardar «" + saved +
                                "»: nada foi escrito, e o que lá estava ficou."
                          : "";
      });
}

// A pattern picked selects its coefficient in the window, as a click on its
// box does.
void Lesson::picPatterns_MouseDown(int x, int y) {
  const auto cell = [](int pixel) {
    return std::clamp((pixel - kPatternLine) / (kGridSide + kPatternLine), 0, kGridSide - 1);
  };
  window_.ClickCoefficient(cell(x) + kGridSide * cell(y));
}

// The arrows move to the next pattern, Home and End to the row's ends, Page Up
// and Page Down to the column's.
void Lesson::picPatterns_KeyDown(platform::PictureKey key) {
  using platform::PictureKey;
  const int selected = window_.Model().SelIndex;
  int u = selected % kGridSide;
  int v = selected / kGridSide;
  switch (key) {
    case PictureKey::Left:
      --u;
      break;
    case PictureKey::Right:
      ++u;
      break;
    case PictureKey::Up:
      --v;
      break;
    case PictureKey::Down:
      ++v;
      break;
    case PictureKey::Home:
      u = 0;
      break;
    case PictureKey::End:
      u = kGridSide - 1;
      break;
    case PictureKey::PageUp:
      v = 0;
      break;
    case PictureKey::PageDown:
      v = kGridSide - 1;
      break;
  }
  u = std::clamp(u, 0, kGridSide - 1);
  v = std::clamp(v, 0, kGridSide - 1);
  if (u + kGridSide * v != selected) window_.ClickCoefficient(u + kGridSide * v);
}

void Lesson::OpenChallenge(const CoefTable& target) {
  target_ = target;
  challengeNotice_.clear();
  window_.PressReset();
}

void Lesson::EndChallenge() {
  target_.reset();
  challengeNotice_.clear();
}

std::optional<std::pair<int, int>> Lesson::Framed() const {
  return framed_ ? std::optional(std::pair{blockX_, blockY_}) : std::nullopt;
}

Compression Lesson::currentCompression() const {
  const int quality = controls_.hsbQuality->Value();
  return {quality == kQualityOff ? std::nullopt : std::optional<int>(quality),
          controls_.hsbKept->Value()};
}

// A new picture frames nothing until the student picks a block, and what was
// entered belonged to the picture before.
void Lesson::showPicture(GreyImage picture) {
  picture_ = std::move(picture);
  jpeg_.emplace(picture_);
  controls_.picPicture->SetFrame({});
  framed_ = false;
  entered_.reset();
  compress();
}

void Lesson::compress() {
  const Compression compression = currentCompression();
  compressed_.emplace(jpeg_->Compress(
      {compression.Quality ? std::optional(ScaledJpegTable(*compression.Quality)) : std::nullopt,
       compression.Kept}));
  measures_ = {MaxDifference(picture_.levels(), compressed_->Decoded.levels()),
               Psnr(picture_.levels(), compressed_->Decoded.levels())};
  showView();
}

void Lesson::showView() {
  const GreyImage& shown = viewMode_ == PhotoView::Original ? picture_
                           : viewMode_ == PhotoView::Jpeg
                               ? compressed_->Decoded
                               : difference_.emplace(AmplifiedDifference(
                                     picture_, compressed_->Decoded, kDifferenceGain));
  controls_.picPicture->SetPicture({shown.width(), shown.height(), shown.levels()});
}

void Lesson::moveTo(int bx, int by, bool again) {
  bx = std::clamp(bx, 0, BlocksAcross(picture_) - 1);
  by = std::clamp(by, 0, BlocksDown(picture_) - 1);
  if (framed_ && bx == blockX_ && by == blockY_ && !again) return;
  framed_ = true;
  blockX_ = bx;
  blockY_ = by;
  const int left = bx * kGridSide;
  const int top = by * kGridSide;
  controls_.picPicture->SetFrame({left, top, std::min(kGridSide, picture_.width() - left),
                                  std::min(kGridSide, picture_.height() - top)});
  enterBlock();
}

// The framed block into the window; a screen reader hears where the frame
// is now and what each loss is.
void Lesson::enterBlock() {
  const BlockLevels original = *ImageBlock(picture_, blockX_, blockY_);
  entered_ = ComputeLessonBlock(original, currentCompression());
  window_.EnterTable(entered_->Table);
  controls_.picPicture->SetAccessibleDescription(MoveSentence(
      blockX_, blockY_, original, *entered_, CompareWindowBlock(original, window_.Model().Coef)));
}

void Lesson::lockForChallenge() {
  const bool free = !target_;
  for (platform::Control* control : std::initializer_list<platform::Control*>{
           controls_.picPicture, controls_.hsbQuality, controls_.hsbKept, controls_.cmdOpen,
           controls_.cmdBuiltin, controls_.cmdCreateChallenge}) {
    control->SetEnabled(free);
  }
  controls_.cmdEndChallenge->SetEnabled(!free);
}

void Lesson::Refresh() {
  lockForChallenge();
  const CoefTable& table = window_.Model().Coef;
  const BlockLevels original = framed_ ? *ImageBlock(picture_, blockX_, blockY_) : BlockLevels{};
  const WindowBlock window = CompareWindowBlock(original, table);
  if (framed_ && entered_) {
    view_.ShowBlock(blockX_, blockY_, original, *entered_, window, notice_);
    controls_.picPicture->SetAccessibleName(
        "Imagem, bloco (" + std::to_string(blockX_) + ", " + std::to_string(blockY_) + ") de " +
        std::to_string(BlocksAcross(picture_)) + " por " + std::to_string(BlocksDown(picture_)) +
        ": as setas, Page Up, Page Down, Home e End movem o bloco");
  } else {
    view_.ShowNoBlock(notice_);
    controls_.picPicture->SetAccessibleName(
        "Imagem: clique num bloco, ou use as setas, para o pôr na janela");
  }
  const ChallengeProgress progress =
      target_ ? ProgressTowards(*target_, table) : ChallengeProgress{};
  if (progress.Solved()) challengeNotice_.clear();
  view_.ShowChallenge(target_, progress, window, challengeNotice_);
  view_.ShowBarCaptions(viewMode_);
  view_.ShowFile(picture_, *compressed_, measures_, currentCompression().Quality, fileNotice_);
  view_.ShowCode(Framed(), *compressed_, BlocksAcross(picture_), table);
  const int selected = window_.Model().SelIndex;
  const int pitch = kGridSide + kPatternLine;
  controls_.picPatterns->SetFrame({kPatternLine + pitch * (selected % kGridSide),
                                   kPatternLine + pitch * (selected / kGridSide), kGridSide,
                                   kGridSide});
  controls_.lblLinkNotice->SetCaption(linkNotice_);
}

}  // namespace dct::ui
