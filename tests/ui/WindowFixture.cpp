#include "WindowFixture.h"

#include "OpenWindow.h"

#include <QApplication>
#include <QTest>

#include "CoefficientFromText.h"
#include "Colour.h"
#include "QtAccess.h"
#include "QtApplication.h"
#include "ReconstructBlock.h"
#include "Runtime.h"

namespace dct::ui::testing_support {
namespace {

// The colour the box is drawn in, read off the screen near a corner, clear of
// the frame and of any text.
QColor drawnBackground(QWidget* box) {
  const QImage image = box->grab().toImage();
  return image.pixelColor(3, image.height() - 5);
}

QColor qcolour(Rgb rgb) { return QColor(RedOf(rgb), GreenOf(rgb), BlueOf(rgb)); }

}  // namespace

void WindowFixture::SetUp() {
  form_ = OpenWindow();
  ASSERT_NE(form_, nullptr) << "the window did not become active";
}

void WindowFixture::TearDown() { form_.reset(); }

QLineEdit* WindowFixture::coefBox(int index) const {
  return static_cast<QLineEdit*>(
      dct::platform::qt::WidgetOf(*form_->Widgets().Text2.at(static_cast<std::size_t>(index))));
}
QLineEdit* WindowFixture::pixelBox(int index) const {
  return static_cast<QLineEdit*>(
      dct::platform::qt::WidgetOf(*form_->Widgets().Text1.at(static_cast<std::size_t>(index))));
}
QLineEdit* WindowFixture::indicator() const {
  return static_cast<QLineEdit*>(dct::platform::qt::WidgetOf(*form_->Widgets().Text3));
}
QScrollBar* WindowFixture::selector() const {
  return static_cast<QScrollBar*>(dct::platform::qt::WidgetOf(*form_->Widgets().HScroll1));
}
QScrollBar* WindowFixture::valueBar() const {
  return static_cast<QScrollBar*>(dct::platform::qt::WidgetOf(*form_->Widgets().HScroll2));
}
QWidget* WindowFixture::button(int number) const {
  const Controls& c = form_->Widgets();
  return dct::platform::qt::WidgetOf(*(number == 1   ? c.Command1
                                       : number == 2 ? c.Command2
                                                     : c.Command3));
}

void WindowFixture::click(QWidget* widget, QPoint at) {
  QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier,
                    at.isNull() ? widget->rect().center() : at);
}

void WindowFixture::typeInto(QLineEdit* box, const std::string& text) {
  QTest::keyClicks(box, QString::fromStdString(text));
}

void WindowFixture::replaceText(QLineEdit* box, const std::string& text) {
  QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
  typeInto(box, text);
}

void WindowFixture::pressKey(QWidget* widget, int key, Qt::KeyboardModifiers modifiers) {
  QTest::keyClick(widget, static_cast<Qt::Key>(key), modifiers);
}

void WindowFixture::setCoefficient(int index, int value) {
  clickCoefBox(index);
  replaceText(coefBox(index), std::to_string(value));
  ASSERT_EQ(model().Coef.at(index), value);
}

int WindowFixture::highlightedCount() const {
  int count = 0;
  for (const platform::TextBox* box : form_->Widgets().Text2)
    count += box->BackColor() == kHighlight;
  return count;
}

void WindowFixture::expectInStep() {
  const int sel = model().SelIndex;
  EXPECT_EQ(sel, selector()->value()) << "the selection and the selector disagree";
  EXPECT_EQ(highlightedCount(), 1);
  EXPECT_EQ(form_->Widgets().Text2.at(static_cast<std::size_t>(sel))->BackColor(), kHighlight)
      << "box " << sel << " is not the highlighted one";
  EXPECT_EQ(valueBar()->value(), model().Coef.at(sel));
  for (int i = 0; i < kGridCount; ++i) {
    EXPECT_EQ(CoefficientFromText(coefBox(i)->text().toStdString()), model().Coef.at(i))
        << "box " << i << " shows \"" << coefBox(i)->text().toStdString() << "\"";
  }
}

void WindowFixture::expectBlockShown() {
  const PixelBlock block = ReconstructBlock(model().Coef);
  for (int p = 0; p < kGridCount; ++p) {
    const platform::TextBox& box = *form_->Widgets().Text1.at(static_cast<std::size_t>(p));
    const Rgb colour = block.Colour.at(static_cast<std::size_t>(p));
    EXPECT_EQ(box.BackColor(), colour) << "pixel " << p;
    EXPECT_EQ(drawnBackground(pixelBox(p)), qcolour(colour)) << "pixel " << p;
    EXPECT_EQ(box.ToolTipText(), block.ToolTip.at(static_cast<std::size_t>(p))) << "pixel " << p;
    EXPECT_EQ(box.Text(), "") << "pixel " << p;
  }
  EXPECT_EQ(form_->Widgets().Text3->BackColor(), block.Clipped ? kClippedRed : kWhite);
  EXPECT_EQ(drawnBackground(indicator()), qcolour(block.Clipped ? kClippedRed : kWhite));
}

void WindowFixture::expectResetState() {
  EXPECT_EQ(model().SelIndex, 0);
  EXPECT_EQ(selector()->value(), 0);
  EXPECT_EQ(valueBar()->value(), 0);
  for (int i = 0; i <= kGridCount; ++i) EXPECT_EQ(model().Coef.at(i), 0) << "coefficient " << i;
  const Controls& c = form_->Widgets();
  for (int i = 0; i < kGridCount; ++i) {
    const auto index = static_cast<std::size_t>(i);
    EXPECT_EQ(c.Text2[index]->Text(), "0") << "box " << i;
    EXPECT_EQ(c.Text2[index]->BackColor(), i == 0 ? kHighlight : kWhite) << "box " << i;
    EXPECT_EQ(c.Text1[index]->BackColor(), kResetGrey) << "pixel " << i;
    EXPECT_EQ(c.Text1[index]->ToolTipText(), "0") << "pixel " << i;
    EXPECT_EQ(c.Text1[index]->Text(), "") << "pixel " << i;
    EXPECT_EQ(c.Text1[index]->MousePointer(), 1) << "pixel " << i;
  }
  EXPECT_EQ(c.Text3->BackColor(), kWhite);
}

CoefTextChanges::CoefTextChanges(const Controls& controls) {
  for (const platform::TextBox* box : controls.Text2) {
    spies_.push_back(std::make_unique<QSignalSpy>(
        static_cast<QLineEdit*>(dct::platform::qt::WidgetOf(*box)), &QLineEdit::textChanged));
  }
}

int CoefTextChanges::of(int index) const {
  return static_cast<int>(spies_.at(static_cast<std::size_t>(index))->count());
}

int CoefTextChanges::total() const {
  int sum = 0;
  for (const auto& spy : spies_) sum += static_cast<int>(spy->count());
  return sum;
}

void WindowFixture::pressTab(int presses) {
  for (int i = 0; i < presses; ++i) pressKey(QApplication::focusWidget(), Qt::Key_Tab);
}

ShownBlock WindowFixture::shownBlock() const {
  ShownBlock shown;
  const Controls& c = form_->Widgets();
  for (std::size_t p = 0; p < c.Text1.size(); ++p) {
    shown.colour[p] = c.Text1[p]->BackColor();
    shown.hint[p] = c.Text1[p]->ToolTipText();
    shown.text[p] = c.Text1[p]->Text();
  }
  shown.indicator = c.Text3->BackColor();
  return shown;
}

std::array<Rgb, kGridCount> WindowFixture::coefColours() const {
  std::array<Rgb, kGridCount> colours{};
  const Controls& c = form_->Widgets();
  for (std::size_t i = 0; i < c.Text2.size(); ++i) colours[i] = c.Text2[i]->BackColor();
  return colours;
}

void WindowFixture::expectClearedBlockShown() {
  const Controls& c = form_->Widgets();
  for (int p = 0; p < kGridCount; ++p) {
    const platform::TextBox& box = *c.Text1.at(static_cast<std::size_t>(p));
    EXPECT_EQ(box.BackColor(), kResetGrey) << "pixel " << p;
    EXPECT_EQ(drawnBackground(pixelBox(p)), qcolour(kResetGrey)) << "pixel " << p;
    EXPECT_EQ(box.ToolTipText(), "0") << "pixel " << p;
    EXPECT_EQ(box.Text(), "") << "pixel " << p;
  }
  EXPECT_EQ(c.Text3->BackColor(), kWhite);
}

void WindowFixture::expectCascadeEnded() {
  EXPECT_EQ(platform::Runtime::HandlerDepth(), 0) << "a handler has not returned";
  EXPECT_LE(platform::Runtime::DeepestHandlerNesting(), kDeepestCascade);
}

void WindowFixture::expectSettled() {
  expectCascadeEnded();
  expectInStep();
  if (form_->BlockComputations() == 0) {
    expectClearedBlockShown();
  } else {
    expectBlockShown();
  }
}

}  // namespace dct::ui::testing_support
