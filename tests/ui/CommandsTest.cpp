#include <QTest>

#include "common/Colour.h"
#include "platform/Runtime.h"
#include "platform/qt/QtAccess.h"
#include "tests/ui/WindowFixture.h"

namespace dct::ui::testing_support {
namespace {

using CommandsTest = WindowFixture;

TEST_F(CommandsTest, StartUpShowsTheResetStateWithoutComputingABlock) {
  expectResetState();
  EXPECT_EQ(blockComputations(), 0);
}

TEST_F(CommandsTest, ResetOfAClearedWindowChangesNoTextAndComputesNothing) {
  const CoefTextChanges textChanges(form().Widgets());
  clickReset();
  EXPECT_EQ(textChanges.total(), 0);
  EXPECT_EQ(blockComputations(), 0);
  expectResetState();
}

TEST_F(CommandsTest, ResetWithCoefficientFiveAtThirtyComputesTheBlockOnce) {
  setCoefficient(5, 30);
  const int before = blockComputations();
  clickReset();
  EXPECT_EQ(blockComputations(), before + 1);
  expectResetState();
}

TEST_F(CommandsTest, ResetFromAMessyStateLeavesCoefficientZeroSelectedAndTheFirstMoveCounts) {
  setCoefficient(0, 100);
  setCoefficient(1, 100);  // clips: the indicator turns red
  setCoefficient(40, -35);
  clickCoefBox(12);
  typeInto(coefBox(12), "abc");  // typed text that reads as the value 0 already held
  clickCoefBox(33);
  setCoefficient(33, 100);
  typeInto(coefBox(33), "0");  // "1000": still 100
  ASSERT_EQ(form().Widgets().Text3->BackColor(), kClippedRed);

  clickReset();
  expectResetState();

  click(valueBar(), RightArrow(valueBar()));
  EXPECT_EQ(model().Coef.at(0), 1);
  EXPECT_EQ(coefBox(0)->text(), QStringLiteral("1"));
  expectSettled();
}

// Zero pressed as a user can: a click, or Space, Return or the keypad's Enter
// while it has the focus.
struct Press {
  const char* name;
  Qt::Key key;  // Qt::Key_unknown: a click
  Qt::KeyboardModifiers modifiers = Qt::NoModifier;
  friend void PrintTo(const Press& p, std::ostream* os) { *os << p.name; }
};

class ZeroTest : public WindowFixture, public ::testing::WithParamInterface<Press> {
 protected:
  void pressZero() {
    if (GetParam().key == Qt::Key_unknown) {
      click(button(2));
      return;
    }
    button(2)->setFocus();
    pressKey(button(2), GetParam().key, GetParam().modifiers);
  }
};

TEST_P(ZeroTest, OfAChangedValueComputesTwiceAndClearsBoxTableAndBar) {
  setCoefficient(5, 30);
  const int before = blockComputations();
  pressZero();
  EXPECT_EQ(blockComputations(), before + 2);
  EXPECT_EQ(model().Coef.at(5), 0);
  EXPECT_EQ(coefBox(5)->text(), QStringLiteral("0"));
  EXPECT_EQ(valueBar()->value(), 0);
  expectSettled();
}

TEST_P(ZeroTest, OfAValueAlreadyZeroComputesOnce) {
  pressZero();
  EXPECT_EQ(blockComputations(), 1);
  expectSettled();  // a computed zero block: 0x808080, not the reset grey
  EXPECT_EQ(form().Widgets().Text1[0]->BackColor(), 0x808080u);
}

INSTANTIATE_TEST_SUITE_P(, ZeroTest,
                         ::testing::Values(Press{"Click", Qt::Key_unknown},
                                           Press{"Space", Qt::Key_Space},
                                           Press{"Return", Qt::Key_Return},
                                           Press{"KeypadEnter", Qt::Key_Enter, Qt::KeypadModifier}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(CommandsTest, SairEndsTheProgramAndNothingIsHandledAfterwards) {
  setCoefficient(3, 7);
  const int before = blockComputations();
  click(button(3));
  EXPECT_TRUE(events().runtime.HasEnded());
  EXPECT_FALSE(dct::platform::qt::WindowOf(form().PlatformForm())->isVisible());
  form().Widgets().Text2[3]->SetText("50");
  EXPECT_EQ(blockComputations(), before);
  EXPECT_EQ(model().Coef.at(3), 7);
}

TEST_F(CommandsTest, NoCommandNestsHandlersDeeperThanFour) {
  setCoefficient(9, -60);
  click(button(2));
  setCoefficient(20, 80);
  clickReset();
  expectSettled();
}

}  // namespace
}  // namespace dct::ui::testing_support
