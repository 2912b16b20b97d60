// The lesson beside the window, driven as a user drives it: the picture
// clicked, dragged and moved with the arrow keys, the bars and buttons, an
// image chosen in the file dialog, and challenges made, solved and linked.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "app/Program.h"
#include "model/ForwardTransform.h"
#include "model/ReconstructBlock.h"
#include "model/jpeg/JpegPicture.h"
#include "model/jpeg/JpegQuantisation.h"
#include "model/lesson/Challenge.h"
#include "model/lesson/LessonBlock.h"
#include "model/link/ChallengeLink.h"
#include "model/picture/BuiltinPicture.h"
#include "model/picture/ImageBlocks.h"
#include "platform/Runtime.h"
#include "platform/qt/QtAccess.h"
#include "tests/model/JpegLiteral.h"
#include "tests/ui/OpenWindow.h"
#include "tests/ui/WindowRules.h"

namespace dct::ui {
namespace {

using platform::qt::WidgetOf;

class LessonTest : public ::testing::Test {
 public:
  void SetUp() override {
    opened_ = std::make_unique<testing_support::OpenedProgram>(
        ProgramOptions{.lesson = true,
                       .link = {},
                       .seed = 7,
                       .linkBase = {},
                       .showNotice = [this](std::string_view n) { notice_ = n; }});
    opened_->events.runtime.LoadAndShow(opened_->program);
    QWidget* window = WidgetOf(*lesson().Widgets().picPicture)->window();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
  }

  Lesson& lesson() { return *opened_->program.LessonForm(); }
  Form1& window() { return opened_->program.MainWindow(); }
  testing_support::TestRuntime& events() { return opened_->events; }
  QWidget* picture() { return WidgetOf(*lesson().Widgets().picPicture); }
  QScrollBar* bar(platform::ScrollBar* Control) {
    return static_cast<QScrollBar*>(WidgetOf(*Control));
  }
  std::string label(platform::Label* control) {
    return static_cast<QLabel*>(WidgetOf(*control))->text().toStdString();
  }
  void clickButton(platform::CommandButton* button) {
    QTest::mouseClick(WidgetOf(*button), Qt::LeftButton);
  }
  // What Qt's accessibility interface tells a screen reader of a control.
  static std::string accessible(platform::Control* control, QAccessible::Text text) {
    return QAccessible::queryAccessibleInterface(WidgetOf(*control))->text(text).toStdString();
  }
  static bool has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
  }
  // Chooses the file in the lesson's own file dialog, typed as a user types
  // it; while the file is read the lesson says so, and then what became of
  // it, as a screen reader hears it.
  std::string chooseInDialog(const QString& path) {
    clickButton(lesson().Widgets().cmdOpen);
    QFileDialog* dialog = nullptr;
    const auto modal = [] { return qobject_cast<QFileDialog*>(QApplication::activeModalWidget()); };
    [&] { QTRY_VERIFY((dialog = modal()) != nullptr); }();
    if (dialog == nullptr) return "no dialog";
    auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    if (name == nullptr) return "no file name box";
    name->setText(path);
    QTest::keyClick(name, Qt::Key_Return);
    const std::string reading = "A ler «" + QFileInfo(path).fileName().toStdString() + "»…";
    EXPECT_TRUE(has(label(lesson().Widgets().lblMeasures), reading));
    const auto said = [this] {
      return accessible(lesson().Widgets().picPicture, QAccessible::Description);
    };
    EXPECT_EQ(said(), reading);
    [&] { QTRY_VERIFY_WITH_TIMEOUT(!said().starts_with("A ler"), 30'000); }();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    return said();
  }

  // The picture is shown at its own size: a widget point is a pixel.
  void clickPicture(int x, int y) { QTest::mouseClick(picture(), Qt::LeftButton, {}, {x, y}); }

  // The window holds the framed block, compressed: each coefficient within
  // half of JPEG's step in the window's units (and half a unit, for whole
  // numbers, and a hair for JPEG's true π) of the block's own, as the
  // forward transform gives it (checked by the model's tests against the
  // window's sums), limited to ±100, and 0 beyond the first Kept in zig-zag
  // order; exactly the block's own, rounded, when nothing is compressed. The
  // window keeps its rules with the lesson's handlers one level deeper.
  void expectBlockEntered(int bx, int by, const Compression& compression) {
    EXPECT_EQ(lesson().Framed(), std::pair(bx, by));
    const auto levels = ImageBlock(lesson().Picture(), bx, by);
    ASSERT_TRUE(levels);
    BlockSums sums{};
    for (std::size_t p = 0; p < sums.size(); ++p) sums[p] = (*levels)[p] - 128;
    const RealCoefficients real = ForwardTransform(sums);
    const CoefTable& table = window().Model().Coef;
    if (!compression.Quality && compression.Kept == kGridCount) {
      EXPECT_EQ(table, RoundCoefficients(real));
    }
    const StepTable steps = compression.Quality ? LiteralSteps(compression.Quality) : StepTable{};
    for (int i = 0; i < kGridCount; ++i) {
      const double own = std::clamp(real[static_cast<std::size_t>(i)], -100.0, 100.0);
      const int value = table.at(i);
      if (!LiteralKept(i, compression.Kept)) {
        EXPECT_EQ(value, 0) << i;
      } else {
        // JPEG's ¼·C(u)·C(v), which the window's sum leaves out.
        const double unit = (i % 8 == 0 ? M_SQRT1_2 : 1.0) * (i / 8 == 0 ? M_SQRT1_2 : 1.0) / 4;
        const double step = steps[static_cast<std::size_t>(i)] * unit;
        EXPECT_LE(std::abs(value - own), step / 2 + 0.5 + 0.01) << i;
      }
    }
    EXPECT_EQ(
        testing_support::BrokenRule(window(), events(), true, testing_support::kLessonNesting),
        std::nullopt);
    const auto frame = lesson().Widgets().picPicture->Frame();
    EXPECT_EQ(frame.left, 8 * bx);
    EXPECT_EQ(frame.top, 8 * by);
    // Beside it, the block that JPEG makes of it, as its formulas alone make it.
    const auto jpeg = lesson().Widgets().picJpeg->Picture().levels;
    EXPECT_TRUE(
        std::equal(jpeg.begin(), jpeg.end(),
                   LiteralJpegBlock(*levels, compression.Quality, compression.Kept).begin()));
    EXPECT_TRUE(has(accessible(lesson().Widgets().picPicture, QAccessible::Name),
                    "bloco (" + std::to_string(bx) + ", " + std::to_string(by) + ")"));
  }

  std::unique_ptr<testing_support::OpenedProgram> opened_;
  std::string notice_;
};

// Nothing is framed until the student picks a block: the window starts as it
// always does. Then the pointer and the keys move the frame.
TEST_F(LessonTest, EachMoveOfTheFrameEntersItsBlock) {
  EXPECT_EQ(lesson().Framed(), std::nullopt);
  EXPECT_EQ(window().Model().Coef, CoefTable{});
  EXPECT_TRUE(has(label(lesson().Widgets().lblMeasures), "Clique num bloco"));
  const struct {
    const char* action;
    std::function<void(LessonTest&)> act;
    int bx, by;
  } steps[] = {
      {"click", [](LessonTest& t) { t.clickPicture(85, 100); }, 10, 12},
      {"Right", [](LessonTest& t) { QTest::keyClick(t.picture(), Qt::Key_Right); }, 11, 12},
      {"Down", [](LessonTest& t) { QTest::keyClick(t.picture(), Qt::Key_Down); }, 11, 13},
      {"PageDown", [](LessonTest& t) { QTest::keyClick(t.picture(), Qt::Key_PageDown); }, 11, 17},
      {"Home", [](LessonTest& t) { QTest::keyClick(t.picture(), Qt::Key_Home); }, 0, 17},
      {"End", [](LessonTest& t) { QTest::keyClick(t.picture(), Qt::Key_End); }, 31, 17},
      {"PageUp", [](LessonTest& t) { QTest::keyClick(t.picture(), Qt::Key_PageUp); }, 31, 13},
      {"drag",
       [](LessonTest& t) {
         QTest::mousePress(t.picture(), Qt::LeftButton, {}, {3, 3});
         QTest::mouseMove(t.picture(), {20, 3});
         QTest::mouseMove(t.picture(), {41, 17});
         QTest::mouseRelease(t.picture(), Qt::LeftButton, {}, {41, 17});
       },
       5, 2},
      {"corner click", [](LessonTest& t) { t.clickPicture(255, 255); }, 31, 31},
      {"Right at the edge", [](LessonTest& t) { QTest::keyClick(t.picture(), Qt::Key_Right); }, 31,
       31},
  };
  for (const auto& step : steps) {
    SCOPED_TRACE(step.action);
    events().trace.ClearNesting();
    step.act(*this);
    expectBlockEntered(step.bx, step.by, {});
  }
  EXPECT_TRUE(has(label(lesson().Widgets().lblMeasures), "Bloco (31, 31)"));
  // What a screen reader hears after the move: where, and both losses.
  const std::string said = accessible(lesson().Widgets().picPicture, QAccessible::Description);
  EXPECT_TRUE(has(said, "Bloco (31, 31): JPEG ") && has(said, ", janela ")) << said;
}

// Seeded blocks at several qualities and numbers kept, each entered into the
// window compressed. Each move of a bar enters the framed block again,
// compressed anew, and the bars' labels and the steps say so. (The page's
// test compares the same blocks with dct-block, across the WebAssembly
// boundary.)
TEST_F(LessonTest, EveryBlockEnteredIsItsBlockCompressed) {
  std::mt19937 random(20251207);
  EXPECT_EQ(accessible(lesson().Widgets().hsbQuality, QAccessible::Value), "desligada");
  const std::optional<int> qualities[] = {std::nullopt, 1, 7, 10, 25, 50, 75, 90, 100};
  int checked = 0;
  int bx = 12;
  int by = 7;
  clickPicture(100, 60);
  for (const auto quality : qualities) {
    for (const int kept : {64, 10}) {
      QScrollBar* qualityBar = bar(lesson().Widgets().hsbQuality);
      QScrollBar* keptBar = bar(lesson().Widgets().hsbKept);
      events().trace.ClearNesting();
      QTest::keyClick(qualityBar, Qt::Key_Home);
      for (int i = 0; i < quality.value_or(0); ++i) QTest::keyClick(qualityBar, Qt::Key_Right);
      QTest::keyClick(keptBar, Qt::Key_Home);
      for (int i = 0; i < kept / 8; ++i) QTest::keyClick(keptBar, Qt::Key_PageDown);
      for (int i = 0; i < kept % 8; ++i) QTest::keyClick(keptBar, Qt::Key_Right);
      expectBlockEntered(bx, by, {quality, kept});
      const std::string labels =
          label(lesson().Widgets().lblQuality) + label(lesson().Widgets().lblKept);
      const std::string qualityShown =
          quality ? "Qualidade: " + std::to_string(*quality) : "desligada";
      EXPECT_NE(labels.find(qualityShown), std::string::npos) << labels;
      EXPECT_NE(labels.find("mantidos (zig-zag): " + std::to_string(kept)), std::string::npos);
      if (quality == 50) {
        const std::string steps = label(lesson().Widgets().lblSteps);
        EXPECT_EQ(steps.substr(0, 4) + steps.substr(5, 4), "  16  11") << steps;
        EXPECT_TRUE(has(label(lesson().Widgets().lblMeasures), "zerados "));
      }
      for (int n = 0; n < 13; ++n, ++checked) {
        bx = static_cast<int>(random() % 32);
        by = static_cast<int>(random() % 32);
        clickPicture(8 * bx + static_cast<int>(random() % 8),
                     8 * by + static_cast<int>(random() % 8));
        SCOPED_TRACE(std::to_string(bx) + "," + std::to_string(by));
        expectBlockEntered(bx, by, {quality, kept});
      }
    }
  }
  EXPECT_GE(checked, 200);
  EXPECT_EQ(accessible(lesson().Widgets().hsbQuality, QAccessible::Value), "100");
}

// A challenge is the student's: while it runs, only the student's own typing
// changes the window, each right coefficient counts, the last hint goes once
// it is solved, and "Terminar desafio" leaves the window as it is.
TEST_F(LessonTest, AChallengeIsTheStudentsAndShowsEachStep) {
  clickPicture(40, 40);
  QScrollBar* level = bar(lesson().Widgets().hsbLevel);
  QTest::keyClick(level, Qt::Key_Right);
  QTest::keyClick(level, Qt::Key_Right);
  clickButton(lesson().Widgets().cmdNewChallenge);
  const CoefTable target = MakeChallenge(3, 7);
  ASSERT_EQ(lesson().Target(), target);
  EXPECT_EQ(window().Model().Coef, CoefTable{});

  const LessonControls& lessonControls = lesson().Widgets();
  clickPicture(200, 200);
  QTest::keyClick(bar(lessonControls.hsbQuality), Qt::Key_Right);
  QTest::keyClick(bar(lessonControls.hsbKept), Qt::Key_Left);
  clickButton(lessonControls.cmdBuiltin);
  clickButton(lessonControls.cmdCreateChallenge);
  EXPECT_EQ(window().Model().Coef, CoefTable{});
  EXPECT_EQ(lesson().Framed(), std::pair(5, 5));
  EXPECT_EQ(bar(lessonControls.hsbQuality)->value(), 0);
  EXPECT_EQ(bar(lessonControls.hsbKept)->value(), 64);
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  EXPECT_TRUE(has(label(lessonControls.lblChallenge), "\"Terminar desafio\""));

  for (int given = 0; given < 3; ++given) {
    EXPECT_TRUE(has(label(lessonControls.lblChallenge),
                    "Coeficientes certos: " + std::to_string(given) + " de 3"));
    clickButton(lessonControls.cmdHint);
    const auto hint = HintFor(target, window().Model().Coef);
    ASSERT_TRUE(hint);
    const std::string said =
        "Dica: " + CoefficientName(hint->Index) + " = " + std::to_string(hint->Value) + ".";
    ASSERT_TRUE(has(label(lessonControls.lblChallenge), said))
        << label(lessonControls.lblChallenge);
    auto* box = static_cast<QLineEdit*>(WidgetOf(*window().Widgets().Text2[hint->Index]));
    QTest::mouseClick(box, Qt::LeftButton);
    box->selectAll();
    QTest::keyClicks(box, QString::number(hint->Value));
  }
  const std::string solved = label(lessonControls.lblChallenge);
  EXPECT_EQ(solved.substr(0, 10), "Resolvido!");
  EXPECT_FALSE(has(solved, "Dica")) << solved;

  const CoefTable typed = window().Model().Coef;
  clickButton(lessonControls.cmdEndChallenge);
  EXPECT_EQ(lesson().Target(), std::nullopt);
  EXPECT_EQ(window().Model().Coef, typed);
  clickPicture(200, 200);
  EXPECT_EQ(lesson().Framed(), std::pair(25, 25));
}

// The link holds the window's table as a target, and the notice says it was
// copied only once the clipboard took it; opened, from the program's
// argument or pasted into the link box, it shows that target with an empty
// window. Anything else is refused whole, a damaged challenge with its own
// notice.
TEST_F(LessonTest, CreatedChallengeLinksOpenAsTheirTarget) {
  const LessonControls& lessonControls = lesson().Widgets();
  auto* box = static_cast<QLineEdit*>(WidgetOf(*lessonControls.txtLink));
  clickButton(lessonControls.cmdCreateChallenge);
  EXPECT_TRUE(has(label(lessonControls.lblLinkNotice), "A janela está vazia"));
  EXPECT_EQ(box->text(), QString());

  clickPicture(130, 130);
  const CoefTable made = window().Model().Coef;
  clickButton(lessonControls.cmdCreateChallenge);
  const std::string link = box->text().toStdString();
  EXPECT_EQ(link, "#desafio=" + *ChallengeLink(made));
  EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), link);
  EXPECT_TRUE(has(label(lessonControls.lblLinkNotice), "Ligação copiada."));

  std::string damaged = link;
  damaged.back() = damaged.back() == 'A' ? 'B' : 'A';
  const struct {
    std::string link;
    LinkKind kind;
    const char* notice;  // in the program's notice, or the link box's
  } links[] = {
      {"file:///tmp/transformada-dct.html" + link, LinkKind::Challenge, ""},
      {damaged, LinkKind::DamagedChallenge, "danificada"},
      {"#0,0=100&1,0=-40", LinkKind::Block, ""},
      {"#0,0=100&<b>", LinkKind::Unreadable, "ler"},
  };
  for (const bool pasted : {false, true}) {
    for (const auto& each : links) {
      SCOPED_TRACE(each.link + (pasted ? " pasted" : " given"));
      opened_->program.OpenLink("#7,7=1");
      const CoefTable before = window().Model().Coef;
      if (pasted) {
        box->selectAll();
        QTest::keyClicks(box, QString::fromStdString(each.link));
        QTest::keyClick(box, Qt::Key_Return);
        EXPECT_TRUE(has(label(lessonControls.lblLinkNotice), each.notice));
      } else {
        EXPECT_EQ(opened_->program.OpenLink(each.link), each.kind);
        EXPECT_TRUE(has(notice_, each.notice)) << notice_;
        EXPECT_EQ(notice_.empty(), *each.notice == 0);
        EXPECT_TRUE(notice_.empty() || has(notice_, "ligação")) << notice_;
      }
      if (each.kind == LinkKind::Challenge) {
        EXPECT_EQ(lesson().Target(), made);
        EXPECT_EQ(window().Model().Coef, CoefTable{});
      } else if (each.kind == LinkKind::Block) {
        EXPECT_EQ(lesson().Target(), std::nullopt);
        EXPECT_EQ(window().Model().Coef.at(0), 100);
        EXPECT_EQ(window().Model().Coef.at(1), -40);
      } else {
        EXPECT_EQ(window().Model().Coef, before);
      }
    }
  }
}

// The file dialog opens on "Abrir imagem…"; the picture chosen is read in
// the background, the lesson saying so meanwhile, then shown in grey, and
// its blocks enter the window; a file that is no image changes nothing and
// says so, anew each time.
TEST_F(LessonTest, AnImageChosenInTheDialogReplacesThePicture) {
  QTemporaryDir folder;
  QImage image(40, 24, QImage::Format_RGB32);
  image.fill(QColor(255, 0, 0));  // grey (299 · 255 + 500) / 1000 = 76
  const QString png = folder.filePath(QStringLiteral("vermelho.png"));
  ASSERT_TRUE(image.save(png));
  const QString text = folder.filePath(QStringLiteral("texto.png"));
  QFile file(text);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("not an image");
  file.close();

  clickPicture(8, 8);
  EXPECT_EQ(chooseInDialog(png), "Leu-se «vermelho.png»: 40×24 pixels.");
  EXPECT_EQ(lesson().Picture().width(), 40);
  EXPECT_EQ(lesson().Picture().at(39, 23), 76);
  // Nothing is framed in the new picture until the student picks a block.
  EXPECT_EQ(lesson().Framed(), std::nullopt);
  EXPECT_TRUE(has(label(lesson().Widgets().lblMeasures), "Clique num bloco"));
  clickPicture(250, 195);  // shown 256 × 153: pixel (39, 22), in the last block, partial
  expectBlockEntered(4, 2, {});
  EXPECT_EQ(window().Model().Coef.at(0), 76 - 128);

  for (int again = 0; again < 2; ++again) {
    EXPECT_EQ(chooseInDialog(text), "Não se leu «texto.png»: não é PNG nem JPEG.");
    EXPECT_TRUE(has(label(lesson().Widgets().lblMeasures), "Não se leu «texto.png»"));
  }
  EXPECT_EQ(lesson().Picture().width(), 40);
  clickButton(lesson().Widgets().cmdBuiltin);
  EXPECT_EQ(lesson().Picture(), BuiltinPicture());
}

// Types `path` into the file dialog that the button opens, and presses Enter;
// asked whether to replace what is there, answers yes.
void saveInDialog(platform::CommandButton* button, const QString& path) {
  QTest::mouseClick(WidgetOf(*button), Qt::LeftButton);
  QFileDialog* dialog = nullptr;
  QTRY_VERIFY((dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) != nullptr);
  auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
  ASSERT_NE(name, nullptr);
  name->setText(path);
  QTimer::singleShot(200, [] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      box->button(QMessageBox::Yes)->click();
    }
  });
  QTest::keyClick(name, Qt::Key_Return);
  QTRY_VERIFY(QApplication::activeModalWidget() == nullptr);
}

// From the block to the file: the photo shows the whole picture as JPEG
// compresses it, the size said is the size of the file saved through the
// dialog, which nothing else is written for (a FIFO is left as it is, at
// once), the code names the framed block's bits, and the 64 patterns select
// their coefficients.
TEST_F(LessonTest, TheWholePictureItsFileItsCodeAndThePatterns) {
  const LessonControls& controls = lesson().Widgets();
  QTest::mouseClick(WidgetOf(*controls.cmdView), Qt::LeftButton);
  EXPECT_EQ(controls.picPicture->Picture().levels, lesson().Picture().levels())
      << "quality off and all kept: JPEG's picture is the original";
  EXPECT_TRUE(has(label(controls.lblPicture), "(com a qualidade 100"));
  QScrollBar* quality = bar(controls.hsbQuality);
  for (int i = 0; i < 5; ++i) QTest::keyClick(quality, Qt::Key_PageDown);
  ASSERT_EQ(quality->value(), 50);
  EXPECT_EQ(controls.picPicture->Picture().levels, lesson().Compressed().Decoded.levels());
  EXPECT_NE(controls.picPicture->Picture().levels, lesson().Picture().levels());
  clickPicture(85, 100);
  const std::string code = label(controls.lblCode);
  EXPECT_TRUE(has(code, "O bloco (10, 12) no ficheiro:\nzig-zag:")) << code;
  // The bits it counts are the bits it shows, each symbol's code and value
  // after its colon (their values against the file: the model's tests).
  const std::string block = code.substr(code.find("O bloco (10, 12)"));
  const std::string symbols = block.substr(block.find('\n', block.find("zig-zag:")) + 1);
  int shown = 0;
  for (std::size_t colon = symbols.find(": "); colon < symbols.find(" bits");
       colon = symbols.find(": ", colon + 1)) {
    for (std::size_t at = colon + 2;
         at < symbols.size() && symbols[at] != ';' && symbols[at] != '\n'; ++at) {
      shown += symbols[at] == '0' || symbols[at] == '1';
    }
  }
  const std::size_t counted = symbols.find('\n') + 1;
  EXPECT_EQ(symbols.substr(counted, symbols.find(" bits") - counted), std::to_string(shown))
      << code;

  QTemporaryDir folder;
  const QString saved = folder.filePath(QStringLiteral("licao.jpg"));
  saveInDialog(controls.cmdSaveJpeg, saved);
  QFile file(saved);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray bytes = file.readAll();
  EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin(), bytes.end()), lesson().Compressed().File);
  EXPECT_TRUE(
      has(label(controls.lblPicture), "Ficheiro: " + std::to_string(bytes.size()) + " bytes"));
  EXPECT_TRUE(has(label(controls.lblPicture), "Guardado em «licao.jpg»"));
  const QString fifo = folder.filePath(QStringLiteral("fila.jpg"));
  ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
  saveInDialog(controls.cmdSaveJpeg, fifo);
  EXPECT_TRUE(has(label(controls.lblPicture), "Não foi possível guardar «fila.jpg»"));
  EXPECT_EQ(QFileInfo(fifo).isFile(), false);

  QWidget* patterns = WidgetOf(*controls.picPatterns);
  const double scale = patterns->width() / 73.0;
  QTest::mouseClick(
      patterns, Qt::LeftButton, {},
      QPoint(static_cast<int>((1 + 9 * 3 + 4) * scale),
             static_cast<int>((patterns->height() - 73 * scale) / 2 + (1 + 9 * 1 + 4) * scale)));
  EXPECT_EQ(window().Model().SelIndex, 11);
  QTest::keyClick(patterns, Qt::Key_Right);
  EXPECT_EQ(window().Model().SelIndex, 12);
  EXPECT_EQ(controls.picPatterns->Frame(), (Rect{1 + 9 * 4, 1 + 9 * 1, 8, 8}));
}

// A binary PGM, as the corpus keeps its expected pictures and picture_grey
// prints them; nothing for anything else.
std::optional<GreyImage> ParsePgm(const QByteArray& bytes) {
  const QList<QByteArray> head = bytes.left(64).split('\n');
  if (head.size() < 4 || head[0] != "P5" || head[2] != "255") return std::nullopt;
  const QList<QByteArray> sides = head[1].split(' ');
  const qsizetype start = head[0].size() + head[1].size() + head[2].size() + 3;
  const QByteArray levels = bytes.mid(start);
  return GreyImage::Make(sides.value(0).toInt(), sides.value(1).toInt(),
                         {levels.begin(), levels.end()});
}

// The largest difference of two pictures of the same size; -1 for sizes that differ.
int LargestDifference(const GreyImage& a, const GreyImage& b) {
  if (a.width() != b.width() || a.height() != b.height()) return -1;
  int largest = 0;
  for (std::size_t i = 0; i < a.levels().size(); ++i) {
    largest = std::max(largest, std::abs(a.levels()[i] - b.levels()[i]));
  }
  return largest;
}

// Every file of the picture corpus, chosen in the dialog: a readable one
// shows the grey picture that the corpus's manifest expects (Pillow's,
// exactly for PNG and within a level for JPEG) and exactly the one that the
// program's decoder gives dct-block (picture_grey, a process of its own), so
// that the page, held to the same, shows it too; a refused one leaves the
// picture and says, in one line naming the file, the reason that the
// manifest gives.
TEST_F(LessonTest, EveryCorpusFileChosenInTheDialogShowsItsPictureOrItsRefusal) {
  const QDir corpus(QStringLiteral(DCT_TEST_PICTURES));
  QFile manifestFile(corpus.filePath(QStringLiteral("manifest.json")));
  ASSERT_TRUE(manifestFile.open(QIODevice::ReadOnly));
  const QJsonArray files = QJsonDocument::fromJson(manifestFile.readAll())["files"].toArray();
  ASSERT_GE(files.size(), 50);
  // How the lesson words each kind of refusal, after the file's name.
  const std::map<QString, std::string> wording{
      {"empty", "está vazio"},      {"not-a-picture", "não é PNG nem JPEG"},
      {"unsupported", "não se lê"}, {"truncated", "cortado antes do fim"},
      {"damaged", "danificado"},    {"too-large", " pixels; o limite é 67108864"},
  };
  for (const QJsonValue& value : files) {
    const QJsonObject entry = value.toObject();
    const QString name = entry["file"].toString();
    SCOPED_TRACE(name.toStdString());
    const QString path = corpus.filePath(QStringLiteral("corpus/") + name);
    clickButton(lesson().Widgets().cmdBuiltin);
    const std::string said = chooseInDialog(path);
    if (entry["expect"].toString() == QLatin1String("read")) {
      QFile expectedFile(corpus.filePath(entry["expected"].toString()));
      ASSERT_TRUE(expectedFile.open(QIODevice::ReadOnly));
      const auto expected = ParsePgm(expectedFile.readAll());
      QProcess decoder;
      decoder.start(QStringLiteral(DCT_TEST_PICTURE_GREY), {path});
      ASSERT_TRUE(decoder.waitForFinished());
      const auto decoded = ParsePgm(decoder.readAllStandardOutput());
      ASSERT_TRUE(expected && decoded) << said;
      EXPECT_EQ(lesson().Picture(), *decoded) << said;
      const int difference = LargestDifference(lesson().Picture(), *expected);
      EXPECT_TRUE(difference >= 0 && difference <= entry["tolerance"].toInt()) << difference;
    } else {
      const std::string kind = entry["kind"].toString().toStdString();
      EXPECT_EQ(lesson().Picture(), BuiltinPicture());
      EXPECT_TRUE(said.starts_with("Não se leu «" + name.toStdString() + "»: ")) << said;
      EXPECT_TRUE(has(said, wording.at(entry["kind"].toString())) && said.ends_with(".")) << said;
      EXPECT_EQ(said.find('\n'), std::string::npos);
      if (entry.contains("size")) {
        const QJsonArray size = entry["size"].toArray();
        EXPECT_TRUE(has(
            said, "tem " + std::to_string(size[0].toInt()) + "×" + std::to_string(size[1].toInt())))
            << said;
      }
      EXPECT_TRUE(has(label(lesson().Widgets().lblMeasures), said));
    }
  }
}

// A FIFO that nothing writes into, chosen in the dialog, is refused at once:
// the window never waits on it (were it opened for reading, this test would
// wait until ctest's timeout ends it).
TEST_F(LessonTest, AFifoChosenInTheDialogIsRefusedWithoutWaiting) {
  const QTemporaryDir folder;
  const QString fifo = folder.filePath(QStringLiteral("canal.png"));
  ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
  EXPECT_EQ(chooseInDialog(fifo), "Não se leu «canal.png»: não é um ficheiro comum.");
  EXPECT_EQ(lesson().Picture(), BuiltinPicture());
}

// A photograph of 9248×6936 pixels (64 megapixels), made here by
// libjpeg-turbo's cjpeg as a camera makes one (colour, 4:2:0) of flat grey
// 8×8 blocks at quality 100, which every decoder gives back exactly: the
// lesson takes it whole, reduced by 19 as its rule says (the mean of each
// 19×19 square, half up, worked out here). The picture is written row by
// row and encoded by another process, so that the most memory this test
// takes is what the lesson takes to read it.
TEST_F(LessonTest, APhotographOf64MegapixelsOpensReducedAsTheRuleSays) {
  constexpr int kWidth = 9248;
  constexpr int kHeight = 6936;
  constexpr int kFactor = 19;
  const auto level = [](int x, int y) {
    const int bx = x / 8;
    const int by = y / 8;
    return (bx * 7 + by * 13 + (bx * by) % 17) % 256;
  };
  const QTemporaryDir folder;
  const QString pixels = folder.filePath(QStringLiteral("foto.ppm"));
  const QString photo = folder.filePath(QStringLiteral("foto.jpg"));
  {
    QFile ppm(pixels);
    ASSERT_TRUE(ppm.open(QIODevice::WriteOnly));
    ppm.write(QStringLiteral("P6\n%1 %2\n255\n").arg(kWidth).arg(kHeight).toLatin1());
    QByteArray row(3 * kWidth, 0);
    for (int y = 0; y < kHeight; ++y) {
      for (int x = 0; x < kWidth; ++x)
        std::fill_n(row.begin() + 3 * x, 3, static_cast<char>(level(x, y)));
      ASSERT_EQ(ppm.write(row), row.size());
    }
  }
  ASSERT_EQ(
      QProcess::execute(QStringLiteral("cjpeg"), {QStringLiteral("-quality"), QStringLiteral("100"),
                                                  QStringLiteral("-outfile"), photo, pixels}),
      0);
  QFile::remove(pixels);
  EXPECT_EQ(chooseInDialog(photo), "Leu-se «foto.jpg»: 487×366 pixels.");
  const GreyImage& shown = lesson().Picture();
  ASSERT_EQ(shown.width(), (kWidth + kFactor - 1) / kFactor);
  ASSERT_EQ(shown.height(), (kHeight + kFactor - 1) / kFactor);
  for (int y = 0; y < shown.height(); ++y) {
    for (int x = 0; x < shown.width(); ++x) {
      int sum = 0;
      int count = 0;
      for (int v = y * kFactor; v < std::min(kHeight, (y + 1) * kFactor); ++v) {
        for (int u = x * kFactor; u < std::min(kWidth, (x + 1) * kFactor); ++u, ++count) {
          sum += level(u, v);
        }
      }
      ASSERT_EQ(shown.at(x, y), (2 * sum + count) / (2 * count)) << x << "," << y;
    }
  }
}

}  // namespace
}  // namespace dct::ui
