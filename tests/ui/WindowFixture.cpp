#include "tests/ui/WindowFixture.h"

#include "tests/ui/OpenWindow.h"

#include <QApplication>
#include <QTest>

#include "common/Colour.h"
#include "platform/qt/QtAccess.h"
#include "tests/ui/WindowRules.h"

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
  opened_ = OpenWindow();
  ASSERT_NE(opened_, nullptr) << "the window did not become active";
}

void WindowFixture::TearDown() { opened_.reset(); }

QLineEdit* WindowFixture::coefBox(int index) const {
  return static_cast<QLineEdit*>(
      dct::platform::qt::WidgetOf(*form().Widgets().Text2.at(static_cast<std::size_t>(index))));
}
QLineEdit* WindowFixture::pixelBox(int index) const {
  return static_cast<QLineEdit*>(
      dct::platform::qt::WidgetOf(*form().Widgets().Text1.at(static_cast<std::size_t>(index))));
}
QLineEdit* WindowFixture::indicator() const {
  return static_cast<QLineEdit*>(dct::platform::qt::WidgetOf(*form().Widgets().Text3));
}
QScrollBar* WindowFixture::selector() const {
  return static_cast<QScrollBar*>(dct::platform::qt::WidgetOf(*form().Widgets().HScroll1));
}
QScrollBar* WindowFixture::valueBar() const {
  return static_cast<QScrollBar*>(dct::platform::qt::WidgetOf(*form().Widgets().HScroll2));
}
QWidget* WindowFixture::button(int number) const {
  const Controls& c = form().Widgets();
  return dct::platform::qt::WidgetOf(*(number == 1   ? c.Command1
                                       : number == 2 ? c.Command2
                                                     : c.Command3));
}

void WindowFixture::click(QWidget* widget, QPoint at) {
  QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier,
                    at.isNull() ? widget->rect().center() : at);
}

void WindowFixture::clickReset() {
  click(button(1));
  computationsAtReset_ = blockComputations();
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

void WindowFixture::expectRulesHold(bool blockComputed) {
  EXPECT_EQ(BrokenRule(form(), events(), blockComputed), std::nullopt);
  // Beyond the rules: the colours drawn on screen are the ones the boxes hold,
  // and the boxes are empty, as no test here types into a pixel box.
  const Controls& c = form().Widgets();
  std::vector<const platform::TextBox*> painted(c.Text1.begin(), c.Text1.end());
  painted.push_back(c.Text3);
  for (const platform::TextBox* box : painted) {
    EXPECT_EQ(drawnBackground(dct::platform::qt::WidgetOf(*box)), qcolour(box->BackColor()))
        << box->Identity().Name();
    EXPECT_EQ(box->Text(), "") << box->Identity().Name();
  }
}

void WindowFixture::expectSettled() { expectRulesHold(blockComputations() > computationsAtReset_); }

void WindowFixture::expectResetState() {
  expectRulesHold(false);
  EXPECT_EQ(model().SelIndex, 0);
  const Controls& c = form().Widgets();
  for (int i = 0; i < kGridCount; ++i) {
    const auto index = static_cast<std::size_t>(i);
    EXPECT_EQ(model().Coef.at(i), 0) << "coefficient " << i;
    EXPECT_EQ(c.Text2[index]->Text(), "0") << "box " << i;
    EXPECT_EQ(c.Text1[index]->MousePointer(), 1) << "pixel " << i;
  }
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
  const Controls& c = form().Widgets();
  for (std::size_t p = 0; p < c.Text1.size(); ++p) {
    shown.colour[p] = c.Text1[p]->BackColor();
    shown.hint[p] = c.Text1[p]->ToolTipText();
    shown.text[p] = c.Text1[p]->Text();
  }
  shown.indicator = c.Text3->BackColor();
  return shown;
}

}  // namespace dct::ui::testing_support
