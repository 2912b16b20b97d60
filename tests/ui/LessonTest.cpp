// The lesson beside the window, driven as a user drives it: the picture
// clicked, dragged and moved with the arrow keys, the bars and buttons, an
// image chosen in the file dialog, and challenges made, solved and linked.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "BuiltinPicture.h"
#include "Challenge.h"
#include "ChallengeLink.h"
#include "ForwardTransform.h"
#include "ImageBlocks.h"
#include "JpegQuantisation.h"
#include "LessonBlock.h"
#include "Program.h"
#include "QtAccess.h"
#include "QtApplication.h"
#include "ReconstructBlock.h"
#include "Runtime.h"
#include "WindowRules.h"
#include "ZigZag.h"

namespace dct::ui {
namespace {

using platform::qt::WidgetOf;

class LessonTest : public ::testing::Test {
 public:
  void SetUp() override {
    platform::qt::ConfigureApplication();
    program_ = std::make_unique<Program>(
        ProgramOptions{.lesson = true,
                       .link = {},
                       .seed = 7,
                       .linkBase = {},
                       .showNotice = [this](std::string_view n) { notice_ = n; }});
    platform::Runtime::LoadAndShow(*program_);
    QWidget* window = WidgetOf(*lesson().Widgets().picPicture)->window();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
  }

  Lesson& lesson() { return *program_->LessonForm(); }
  Form1& window() { return program_->Window(); }
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
  // The picture is shown at its own size: a widget point is a pixel.
  void clickPicture(int x, int y) { QTest::mouseClick(picture(), Qt::LeftButton, {}, {x, y}); }

  // The window holds the framed block, compressed: each coefficient within
  // half a step (and half a unit, for whole numbers) of the block's own, as
  // the forward transform gives it (checked by the model's tests against the
  // window's sums), limited to ±100, and 0 beyond the first Kept in zig-zag
  // order; exactly the block's own, rounded, when nothing is compressed. The
  // window keeps its rules with the lesson's handlers one level deeper.
  void expectBlockEntered(int bx, int by, const Compression& compression) {
    EXPECT_EQ(lesson().BlockX(), bx);
    EXPECT_EQ(lesson().BlockY(), by);
    const auto levels = ImageBlock(lesson().Picture(), bx, by);
    ASSERT_TRUE(levels);
    BlockSums sums{};
    for (std::size_t p = 0; p < sums.size(); ++p) sums[p] = (*levels)[p] - 128;
    const RealCoefficients real = ForwardTransform(sums);
    const CoefTable& table = window().Model().Coef;
    if (!compression.Quality && compression.Kept == kGridCount) {
      EXPECT_EQ(table, RoundCoefficients(real));
    }
    const auto steps = compression.Quality ? WindowSteps(*compression.Quality) : RealSteps{};
    for (std::size_t i = 0; i < kGridCount; ++i) {
      const double own = std::clamp(real[i], -100.0, 100.0);
      const int value = table.at(static_cast<int>(i));
      if (kZigZagRank[i] >= compression.Kept) {
        EXPECT_EQ(value, 0) << i;
      } else {
        EXPECT_LE(std::abs(value - own), steps[i] / 2 + 0.5 + 0.01) << i;
      }
    }
    EXPECT_EQ(testing_support::BrokenRule(window(), true, testing_support::kLessonNesting),
              std::nullopt);
    const auto frame = lesson().Widgets().picPicture->Frame();
    EXPECT_EQ(frame.left, 8 * bx);
    EXPECT_EQ(frame.top, 8 * by);
  }

  std::unique_ptr<Program> program_;
  std::string notice_;
};

TEST_F(LessonTest, EachMoveOfTheFrameEntersItsBlock) {
  const struct {
    const char* action;
    std::function<void(LessonTest&)> act;
    int bx, by;
  } steps[] = {
      {"click", [](LessonTest& t) { t.clickPicture(85, 100); }, 10, 12},
      {"Right", [](LessonTest& t) { QTest::keyClick(t.picture(), Qt::Key_Right); }, 11, 12},
      {"Down", [](LessonTest& t) { QTest::keyClick(t.picture(), Qt::Key_Down); }, 11, 13},
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
    platform::Runtime::ResetDeepestHandlerNesting();
    step.act(*this);
    expectBlockEntered(step.bx, step.by, {});
  }
  EXPECT_NE(label(lesson().Widgets().lblMeasures).find("Bloco (31, 31)"), std::string::npos);
}

// Seeded blocks at several qualities and numbers kept, each entered into the
// window compressed. Each move of a bar enters the framed block again,
// compressed anew, and the bars' labels and the steps say so. (The page's
// test compares the same blocks with dct-block, across the WebAssembly
// boundary.)
TEST_F(LessonTest, EveryBlockEnteredIsItsBlockCompressed) {
  std::mt19937 random(20251207);
  const std::optional<int> qualities[] = {std::nullopt, 1, 10, 25, 50, 75, 90, 100};
  int checked = 0;
  int bx = 12;
  int by = 7;
  clickPicture(100, 60);
  for (const auto quality : qualities) {
    for (const int kept : {64, 10}) {
      QScrollBar* qualityBar = bar(lesson().Widgets().hsbQuality);
      QScrollBar* keptBar = bar(lesson().Widgets().hsbKept);
      platform::Runtime::ResetDeepestHandlerNesting();
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
        EXPECT_EQ(steps.substr(0, 5) + steps.substr(6, 5), " 2,00 1,94") << steps;
        EXPECT_NE(label(lesson().Widgets().lblMeasures).find("Zerados: "), std::string::npos);
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
}

TEST_F(LessonTest, AChallengeIsSolvedByTypingItsTableAndHintsNameWhatIsWrong) {
  QScrollBar* level = bar(lesson().Widgets().hsbLevel);
  QTest::keyClick(level, Qt::Key_Right);
  QTest::keyClick(level, Qt::Key_Right);
  clickButton(lesson().Widgets().cmdNewChallenge);
  const CoefTable target = MakeChallenge(3, 7);
  ASSERT_EQ(lesson().Target(), target);
  EXPECT_EQ(window().Model().Coef, CoefTable{});
  std::string status = label(lesson().Widgets().lblChallenge);
  EXPECT_NE(status.find("Pixels iguais ao alvo:"), std::string::npos) << status;

  for (int given = 0; given < 3; ++given) {
    clickButton(lesson().Widgets().cmdHint);
    const auto hint = HintFor(target, window().Model().Coef);
    ASSERT_TRUE(hint);
    status = label(lesson().Widgets().lblChallenge);
    const std::string said = "F(" + std::to_string(hint->Index % 8) + "," +
                             std::to_string(hint->Index / 8) + ") = " + std::to_string(hint->Value);
    ASSERT_NE(status.find(said), std::string::npos) << status;
    auto* box = static_cast<QLineEdit*>(WidgetOf(*window().Widgets().Text2[hint->Index]));
    QTest::mouseClick(box, Qt::LeftButton);
    box->selectAll();
    QTest::keyClicks(box, QString::number(hint->Value));
  }
  EXPECT_EQ(label(lesson().Widgets().lblChallenge).substr(0, 10), "Resolvido!");
}

// The link holds the window's table as a target; opened, it shows that
// target with an empty window. Anything else is refused whole.
TEST_F(LessonTest, CreatedChallengeLinksOpenAsTheirTarget) {
  clickPicture(130, 130);
  const CoefTable made = window().Model().Coef;
  clickButton(lesson().Widgets().cmdCreateChallenge);
  const std::string link =
      static_cast<QLineEdit*>(WidgetOf(*lesson().Widgets().txtLink))->text().toStdString();
  EXPECT_EQ(link, "#desafio=" + *ChallengeLink(made));
  EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), link);

  const struct {
    std::string link;
    LinkKind kind;
  } links[] = {
      {"file:///tmp/transformada-dct.html" + link, LinkKind::Challenge},
      {link.substr(0, link.size() - 1) + (link.back() == 'A' ? "B" : "A"), LinkKind::Unreadable},
      {"#0,0=100&1,0=-40", LinkKind::Block},
      {"#0,0=100&<b>", LinkKind::Unreadable},
  };
  for (const auto& each : links) {
    SCOPED_TRACE(each.link);
    const CoefTable before = window().Model().Coef;
    EXPECT_EQ(program_->OpenLink(each.link), each.kind);
    EXPECT_EQ(notice_.empty(), each.kind != LinkKind::Unreadable);
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

// The file dialog opens on "Abrir imagem…"; the picture chosen is shown in
// grey and its blocks enter the window; a file that is no image changes
// nothing and says so.
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

  const auto choose = [this](const QString& path) {
    clickButton(lesson().Widgets().cmdOpen);
    QFileDialog* dialog = nullptr;
    QTRY_VERIFY((dialog = QApplication::activeModalWidget()
                              ? qobject_cast<QFileDialog*>(QApplication::activeModalWidget())
                              : nullptr) != nullptr);
    auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    ASSERT_NE(name, nullptr);
    name->setText(path);
    QTest::keyClick(name, Qt::Key_Return);
    QTRY_VERIFY(QApplication::activeModalWidget() == nullptr);
  };
  clickPicture(8, 8);
  choose(png);
  EXPECT_EQ(lesson().Picture().width(), 40);
  EXPECT_EQ(lesson().Picture().at(39, 23), 76);
  // What was limited or zeroed belonged to the picture before.
  EXPECT_EQ(label(lesson().Widgets().lblMeasures).find("Limitados"), std::string::npos);
  clickPicture(250, 195);  // shown 256 × 153: pixel (39, 22), in the last block, partial
  expectBlockEntered(4, 2, {});
  EXPECT_EQ(window().Model().Coef.at(0), 76 - 128);

  choose(text);
  EXPECT_EQ(lesson().Picture().width(), 40);
  EXPECT_NE(label(lesson().Widgets().lblMeasures).find("Não foi possível ler"), std::string::npos);
  clickButton(lesson().Widgets().cmdBuiltin);
  EXPECT_EQ(lesson().Picture(), BuiltinPicture());
}

}  // namespace
}  // namespace dct::ui
