#include <QFontMetrics>
#include <QHelpEvent>
#include <QIcon>
#include <QImage>
#include <QTest>
#include <QToolTip>
#include <set>

#include "platform/Geometry.h"
#include "platform/qt/QtAccess.h"
#include "tests/ui/WindowFixture.h"
#include "ui/window/AppIcon.h"

namespace dct::ui::testing_support {
namespace {

using platform::TwipsToPixels;

QRect pixelsOf(int left, int top, int width, int height) {
  return {TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height)};
}

struct Placed {
  const char* name;
  int left, top, width, height;  // twips
  const char* caption;
  friend void PrintTo(const Placed& p, std::ostream* os) { *os << p.name; }
};

class LayoutTest : public WindowFixture, public ::testing::WithParamInterface<Placed> {
 protected:
  QWidget* named(const char* name) {
    return dct::platform::qt::WindowOf(form().PlatformForm())
        ->findChild<QWidget*>(QString::fromLatin1(name));
  }
};

TEST_P(LayoutTest, ControlStandsAtItsPlace) {
  const Placed& p = GetParam();
  QWidget* widget = named(p.name);
  ASSERT_NE(widget, nullptr);
  EXPECT_EQ(widget->geometry(), pixelsOf(p.left, p.top, p.width, p.height));
  if (*p.caption != '\0') {
    EXPECT_EQ(widget->property("text").toString(), QString::fromUtf8(p.caption));
  }
}

INSTANTIATE_TEST_SUITE_P(CornerBoxesAndSingleControls, LayoutTest,
                         ::testing::Values(Placed{"Text2(0)", 4080, 120, 372, 372, "0"},
                                           Placed{"Text2(7)", 6600, 120, 372, 372, "0"},
                                           Placed{"Text2(56)", 4080, 2640, 372, 372, "0"},
                                           Placed{"Text2(63)", 6600, 2640, 372, 372, "0"},
                                           Placed{"Text1(0)", 360, 120, 372, 372, ""},
                                           Placed{"Text1(7)", 2880, 120, 372, 372, ""},
                                           Placed{"Text1(56)", 360, 2640, 372, 372, ""},
                                           Placed{"Text1(63)", 2880, 2640, 372, 372, ""},
                                           Placed{"Label2", 3600, 120, 492, 252, "F(0,0)"},
                                           Placed{"Label3", 3600, 2760, 492, 372, "F(0,7)"},
                                           Placed{"Label4", 7080, 2760, 492, 252, "F(7,7)"},
                                           Placed{"Command1", 840, 3120, 1932, 372, "Reset"},
                                           Placed{"Label1", 120, 3720, 972, 252, "Coeficiente"},
                                           Placed{"HScroll1", 1080, 3720, 4212, 252, ""},
                                           Placed{"Valor", 120, 4200, 852, 252, "Valor"},
                                           Placed{"HScroll2", 1080, 4200, 4212, 252, ""},
                                           Placed{"Text3", 5640, 4200, 252, 288, ""},
                                           Placed{"Command2", 2760, 4560, 852, 372, "Zero"},
                                           Placed{"Command3", 6600, 4560, 732, 372, "Sair"}),
                         [](const auto& info) {
                           std::string name = info.param.name;
                           for (char& c : name) {
                             if (c == '(' || c == ')') c = '_';
                           }
                           return name;
                         });

using WindowTest = WindowFixture;

TEST_F(WindowTest, HasItsTitleClientSizeAndAResizableFrame) {
  QWidget* window = dct::platform::qt::WindowOf(form().PlatformForm());
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Transformada DCT"));
  EXPECT_EQ(window->size(), QSize(TwipsToPixels(7860), TwipsToPixels(5448)));
  EXPECT_FALSE(window->windowState() & (Qt::WindowMinimized | Qt::WindowMaximized));
  EXPECT_NE(window->maximumSize(), window->minimumSize()) << "the frame must be resizable";
}

TEST_F(WindowTest, EnlargingTheWindowMovesNoControl) {
  QWidget* window = dct::platform::qt::WindowOf(form().PlatformForm());
  std::vector<QRect> before;
  const auto children = window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
  for (QWidget* child : children) before.push_back(child->geometry());
  window->resize(1000, 800);
  QTest::qWait(0);
  for (std::size_t i = 0; i < before.size(); ++i) {
    EXPECT_EQ(children[static_cast<qsizetype>(i)]->geometry(), before[i])
        << children[static_cast<qsizetype>(i)]->objectName().toStdString();
  }
  EXPECT_EQ(children.size(), 139);
}

TEST_F(WindowTest, TabGoesFromResetThroughTheCoefficientsAndSkipsPixelsLabelsAndIndicator) {
  std::vector<std::string> expected{"Command1", "Command2", "HScroll1"};
  for (int i = 0; i < kGridCount; ++i) expected.push_back("Text2(" + std::to_string(i) + ")");
  expected.insert(expected.end(), {"HScroll2", "Command3", "Command1"});

  button(3)->setFocus();
  std::vector<std::string> visited;
  for (std::size_t i = 0; i < expected.size(); ++i) {
    pressKey(QApplication::focusWidget(), Qt::Key_Tab);
    visited.push_back(QApplication::focusWidget()->objectName().toStdString());
  }
  EXPECT_EQ(visited, expected);
}

TEST_F(WindowTest, TheFirstFocusFallsOnReset) {
  ASSERT_NE(QApplication::focusWidget(), nullptr);
  EXPECT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("Command1"));
}

TEST_F(WindowTest, IndicatorCannotBeClickedIntoOrTypedInto) {
  click(indicator());
  EXPECT_FALSE(indicator()->hasFocus());
  EXPECT_FALSE(indicator()->isEnabled());
}

// Fusion draws a focused bar like any other; the frame that says where the
// keys go must show, as on a button reached with Tab.
TEST_F(WindowTest, AScrollBarReachedWithTabLooksFocused) {
  const QImage unfocused = selector()->grab().toImage();
  button(2)->setFocus();
  pressTab();
  ASSERT_TRUE(selector()->hasFocus());
  EXPECT_NE(selector()->grab().toImage(), unfocused);
  pressTab();
  EXPECT_EQ(selector()->grab().toImage(), unfocused);
}

// A hint open over a pixel box shows the value the box has now, not the one
// it had when the hint opened.
TEST_F(WindowTest, AnOpenHintFollowsTheBlockComputedUnderIt) {
  QLineEdit* box = pixelBox(0);
  QTest::mouseMove(box);
  QHelpEvent hover(QEvent::ToolTip, box->rect().center(), box->mapToGlobal(box->rect().center()));
  QApplication::sendEvent(box, &hover);
  ASSERT_TRUE(QTest::qWaitFor([] { return QToolTip::isVisible(); }));
  ASSERT_EQ(QToolTip::text(), QStringLiteral("0"));

  form().Widgets().HScroll2->SetValue(100);

  EXPECT_TRUE(QToolTip::isVisible());
  EXPECT_EQ(QToolTip::text(), QStringLiteral("100"));
  QToolTip::hideText();
}

struct BarSettings {
  const char* name;
  int min, max, small, large;
  friend void PrintTo(const BarSettings& b, std::ostream* os) { *os << b.name; }
};

class BarSettingsTest : public WindowFixture, public ::testing::WithParamInterface<BarSettings> {};

TEST_P(BarSettingsTest, HasItsRangeAndSteps) {
  const BarSettings& b = GetParam();
  const auto* bar = dct::platform::qt::WindowOf(form().PlatformForm())
                        ->findChild<QScrollBar*>(QString::fromLatin1(b.name));
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(bar->minimum(), b.min);
  EXPECT_EQ(bar->maximum(), b.max);
  EXPECT_EQ(bar->singleStep(), b.small);
  EXPECT_EQ(bar->pageStep(), b.large);
  EXPECT_EQ(bar->value(), 0);
  EXPECT_EQ(bar->contextMenuPolicy(), Qt::NoContextMenu);
}

INSTANTIATE_TEST_SUITE_P(, BarSettingsTest,
                         ::testing::Values(BarSettings{"HScroll1", 0, 63, 1, 8},
                                           BarSettings{"HScroll2", -100, 100, 1, 10}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(WindowTest, MinusHundredFitsCentredInACoefficientBox) {
  QLineEdit* box = coefBox(27);
  box->setText(QStringLiteral("-100"));
  const QImage image = box->grab().toImage();
  // The ink of the text, inside the 1-pixel frame.
  int left = image.width();
  int right = -1;
  for (int y = 2; y < image.height() - 2; ++y) {
    for (int x = 1; x < image.width() - 1; ++x) {
      if (qGray(image.pixel(x, y)) < 128) {
        left = std::min(left, x);
        right = std::max(right, x);
      }
    }
  }
  const int ink = QFontMetrics(box->font()).tightBoundingRect(QStringLiteral("-100")).width();
  EXPECT_GE(right - left + 1, ink - 1) << "part of \"-100\" is scrolled out of the box";
  const int leftGap = left - 1;
  const int rightGap = image.width() - 2 - right;
  EXPECT_LE(std::abs(leftGap - rightGap), 2) << "not centred: " << leftGap << " vs " << rightGap;
}

TEST_F(WindowTest, LabelsShowTheirWholeCaption) {
  for (const char* name : {"Label1", "Label2", "Label3", "Label4", "Valor"}) {
    const auto* label = dct::platform::qt::WindowOf(form().PlatformForm())
                            ->findChild<QWidget*>(QString::fromLatin1(name));
    const QString caption = label->property("text").toString();
    EXPECT_LE(QFontMetrics(label->font()).horizontalAdvance(caption), label->width()) << name;
  }
}

TEST(AppIconTest, IsA32PixelMosaicOfSevenOpaqueGreysFromBlackToWhite) {
  const platform::IndexedImage icon = AppIcon();
  ASSERT_EQ(icon.width, 32);
  ASSERT_EQ(icon.height, 32);
  ASSERT_EQ(icon.palette.size(), 256u);
  std::set<Rgb> greys;
  for (int y = 0; y < 32; ++y) {
    for (int x = 0; x < 32; ++x) {
      const Rgb colour = icon.palette[icon.pixels[static_cast<std::size_t>(y * 32 + x)]];
      EXPECT_EQ(colour, (colour & 0xFF) * 0x010101u) << "not grey at " << x << "," << y;
      // Squares of 8×8: every pixel has the colour of its square's corner.
      const Rgb corner =
          icon.palette[icon.pixels[static_cast<std::size_t>((y / 8 * 8) * 32 + x / 8 * 8)]];
      EXPECT_EQ(colour, corner) << "at " << x << "," << y;
      greys.insert(colour);
    }
  }
  EXPECT_EQ(greys.size(), 7u);
  EXPECT_EQ(*greys.begin(), 0x000000u);
  EXPECT_EQ(*greys.rbegin(), 0xFFFFFFu);
}

TEST_F(WindowTest, ShowsTheIcon) {
  const QImage shown =
      dct::platform::qt::WindowOf(form().PlatformForm())->windowIcon().pixmap(32, 32).toImage();
  ASSERT_EQ(shown.size(), QSize(32, 32));
  const platform::IndexedImage icon = AppIcon();
  for (const QPoint at : {QPoint(0, 0), QPoint(31, 31), QPoint(12, 3), QPoint(27, 9)}) {
    const Rgb expected = icon.palette[icon.pixels[static_cast<std::size_t>(at.y() * 32 + at.x())]];
    EXPECT_EQ(qGray(shown.pixel(at)), static_cast<int>(expected & 0xFF));
    EXPECT_EQ(qAlpha(shown.pixel(at)), 255);
  }
}

}  // namespace
}  // namespace dct::ui::testing_support
