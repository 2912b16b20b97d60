// Typing into the coefficient boxes: the selected box keystroke by keystroke,
// texts beyond the 16-bit range, and a box reached with Tab that is not selected.
#include <QSignalSpy>
#include <QTest>
#include <ostream>
#include <string>
#include <vector>

#include "tests/ui/WindowFixture.h"

namespace dct::ui::testing_support {
namespace {

// One key press and what the box and its coefficient hold afterwards.
struct Keystroke {
  char typed;   // a character, or 0 for `key`
  Qt::Key key;  // Home, Right, Backspace...
  const char* text;
  int value;
  bool computes;
};

constexpr Keystroke Type(char typed, const char* text, int value, bool computes) {
  return {typed, Qt::Key_unknown, text, value, computes};
}
constexpr bool kComputes = true;
constexpr bool kKept = false;
constexpr Keystroke Press(Qt::Key key, const char* text, int value, bool computes = kKept) {
  return {0, key, text, value, computes};
}

void PrintTo(const Keystroke& k, std::ostream* os) {
  if (k.typed != 0) {
    *os << '\'' << k.typed << '\'';
  } else {
    *os << "key 0x" << std::hex << static_cast<int>(k.key) << std::dec;
  }
  *os << " -> \"" << k.text << "\" (" << k.value << (k.computes ? ", computed)" : ")");
}

void pressKeystroke(QWidget* box, const Keystroke& k) {
  if (k.typed != 0) {
    QTest::keyClick(box, k.typed);
  } else {
    QTest::keyClick(box, k.key);
  }
}

// ---------------------------------------------------------------------------
// Typing into the selected box.

enum class Start { SelectAll, CursorAtEnd };

struct TypingCase {
  const char* name;
  int startValue;
  Start start;
  std::vector<Keystroke> keys;
  friend void PrintTo(const TypingCase& c, std::ostream* os) {
    *os << c.name << ": from " << c.startValue
        << (c.start == Start::SelectAll ? ", all selected:" : ", cursor at the end:");
    for (const Keystroke& k : c.keys) {
      *os << ' ';
      PrintTo(k, os);
    }
  }
};

class EditingTypingTest : public WindowFixture, public ::testing::WithParamInterface<TypingCase> {
 protected:
  static constexpr int kBox = 27;
};

TEST_P(EditingTypingTest, EachKeystrokeMovesTheValueBarOrKeepsTheText) {
  const TypingCase& c = GetParam();
  // Another coefficient makes a block other than the start-up grey.
  setCoefficient(20, 33);
  setCoefficient(kBox, c.startValue);
  QLineEdit* box = coefBox(kBox);
  pressKey(box, c.start == Start::SelectAll ? Qt::Key_A : Qt::Key_End,
           c.start == Start::SelectAll ? Qt::ControlModifier : Qt::NoModifier);
  QSignalSpy selectorChanges(selector(), &QScrollBar::valueChanged);

  for (const Keystroke& k : c.keys) {
    SCOPED_TRACE(::testing::PrintToString(k));
    const int computedBefore = blockComputations();
    QSignalSpy valueChanges(valueBar(), &QScrollBar::valueChanged);
    pressKeystroke(box, k);
    EXPECT_EQ(box->text().toStdString(), k.text);
    EXPECT_EQ(model().Coef.at(kBox), k.value);
    EXPECT_EQ(blockComputations() - computedBefore, k.computes ? 1 : 0);
    EXPECT_EQ(valueChanges.count(), k.computes ? 1 : 0);
    EXPECT_EQ(model().Coef.at(20), 33);
    expectSettled();
  }
  EXPECT_EQ(selectorChanges.count(), 0) << "typing into the selected box moved the selection";
}

INSTANTIATE_TEST_SUITE_P(
    , EditingTypingTest,
    ::testing::Values(
        TypingCase{"FortyReplacedByOneFiveZeroStoresEachAndLeaves100",
                   40,
                   Start::SelectAll,
                   {Type('1', "1", 1, kComputes), Type('5', "15", 15, kComputes),
                    Type('0', "100", 100, kComputes)}},
        TypingCase{"ZeroAppendedTo100KeepsTheTextAndComputesNothing",
                   100,
                   Start::CursorAtEnd,
                   {Type('0', "1000", 100, kKept)}},
        TypingCase{"LeadingZerosAreRewritten",
                   40,
                   Start::SelectAll,
                   {Type('0', "0", 0, kComputes), Type('0', "00", 0, kKept),
                    Type('7', "7", 7, kComputes)}},
        TypingCase{"LettersOverFortySetZeroAndRewriteTheText",
                   40,
                   Start::SelectAll,
                   {Type('x', "0", 0, kComputes), Type('y', "0y", 0, kKept)}},
        TypingCase{"LettersOverZeroStayAsTyped",
                   0,
                   Start::SelectAll,
                   {Type('a', "a", 0, kKept), Type('b', "ab", 0, kKept)}},
        TypingCase{"LettersAfterDigitsKeepTheDigitsValue",
                   40,
                   Start::SelectAll,
                   {Type('1', "1", 1, kComputes), Type('2', "12", 12, kComputes),
                    Type('a', "12a", 12, kKept), Type('b', "12ab", 12, kKept)}},
        TypingCase{"TwoPointFiveKeepsTwoAndTheText",
                   2,
                   Start::CursorAtEnd,
                   {Type('.', "2.", 2, kKept), Type('5', "2.5", 2, kKept)}},
        TypingCase{"MinusTwoPointFiveKeepsMinusTwoAndTheText",
                   -2,
                   Start::CursorAtEnd,
                   {Type('.', "-2.", -2, kKept), Type('5', "-2.5", -2, kKept)}},
        TypingCase{"ThreePointFiveBecomesFour",
                   3,
                   Start::CursorAtEnd,
                   {Type('.', "3.", 3, kKept), Type('5', "4", 4, kComputes)}},
        TypingCase{
            "LoneMinusOverZeroStaysAsTyped", 0, Start::SelectAll, {Type('-', "-", 0, kKept)}},
        // The sign stays while the value is 0 meanwhile, so the digits after it
        // make a negative number.
        TypingCase{"MinusThirtyEightOverForty",
                   40,
                   Start::SelectAll,
                   {Type('-', "-", 0, kComputes), Type('3', "-3", -3, kComputes),
                    Type('8', "-38", -38, kComputes)}},
        TypingCase{"BackspaceLeavesALoneMinusThatSevenFollows",
                   -5,
                   Start::CursorAtEnd,
                   {Press(Qt::Key_Backspace, "-", 0, kComputes), Type('7', "-7", -7, kComputes)}},
        TypingCase{"MinusFiftyAfterDeletingTheZero",
                   0,
                   Start::CursorAtEnd,
                   {Press(Qt::Key_Backspace, "", 0), Type('-', "-", 0, kKept),
                    Type('5', "-5", -5, kComputes), Type('0', "-50", -50, kComputes)}},
        // Texts beyond the 16-bit range read as 100 or -100 by their sign.
        TypingCase{"FortyThousandReads100",
                   0,
                   Start::SelectAll,
                   {Type('0', "0", 0, kKept), Type('0', "00", 0, kKept), Type('0', "000", 0, kKept),
                    Type('0', "0000", 0, kKept), Press(Qt::Key_Home, "0000", 0),
                    Type('4', "100", 100, kComputes)}},
        TypingCase{"MinusFortyThousandReadsMinus100",
                   0,
                   Start::SelectAll,
                   {Type('-', "-", 0, kKept), Type('0', "-0", 0, kKept), Type('0', "-00", 0, kKept),
                    Type('0', "-000", 0, kKept), Type('0', "-0000", 0, kKept),
                    Press(Qt::Key_Home, "-0000", 0), Press(Qt::Key_Right, "-0000", 0),
                    Type('4', "-100", -100, kComputes)}}),
    [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------
// A thousand digits typed into the selected box, and the window goes on.

struct LongNumberCase {
  const char* name;
  const char* sign;
  int value;
  friend void PrintTo(const LongNumberCase& c, std::ostream* os) { *os << c.name; }
};

class EditingThousandDigitsTest : public WindowFixture,
                                  public ::testing::WithParamInterface<LongNumberCase> {};

TEST_P(EditingThousandDigitsTest, ReadAs100ByTheirSignAndTheWindowGoesOn) {
  const LongNumberCase& c = GetParam();
  setCoefficient(20, 33);
  setCoefficient(27, 0);
  QLineEdit* box = coefBox(27);
  // The zeros keep the value 0 and the text as typed; the leading 7 then makes
  // a thousand-digit number at one stroke.
  replaceText(box, std::string(c.sign) + std::string(999, '0'));
  ASSERT_EQ(model().Coef.at(27), 0);
  pressKey(box, Qt::Key_Home);
  if (*c.sign != '\0') pressKey(box, Qt::Key_Right);
  const int computedBefore = blockComputations();

  typeInto(box, "7");

  EXPECT_EQ(model().Coef.at(27), c.value);
  EXPECT_EQ(box->text().toStdString(), std::to_string(c.value));
  EXPECT_EQ(blockComputations() - computedBefore, 1);
  expectSettled();

  // Digits appended to the limit leave it, however long the text grows.
  pressKey(box, Qt::Key_End);
  typeInto(box, std::string(1000, '9'));
  EXPECT_EQ(model().Coef.at(27), c.value);
  EXPECT_EQ(box->text().size(), static_cast<qsizetype>(1000 + std::to_string(c.value).size()));
  EXPECT_EQ(blockComputations() - computedBefore, 1);
  expectSettled();

  clickCoefBox(28);
  click(valueBar(), RightArrow(valueBar()));
  EXPECT_EQ(model().Coef.at(28), 1);
  expectSettled();
  clickCoefBox(27);
  EXPECT_EQ(valueBar()->value(), c.value);
  expectSettled();
}

INSTANTIATE_TEST_SUITE_P(, EditingThousandDigitsTest,
                         ::testing::Values(LongNumberCase{"Positive", "", 100},
                                           LongNumberCase{"Negative", "-", -100}),
                         [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------
// Typing into a box reached with Tab, not clicked: the box becomes the
// selection and every keystroke is taken as if it had been selected before.

struct TabCase {
  const char* name;
  int selectedValue;
  int tabs;  // from the selected box to the one typed into
  int targetValue;
  const char* typed;
  const char* text;
  int value;
  friend void PrintTo(const TabCase& c, std::ostream* os) {
    *os << c.name << ": " << c.selectedValue << " selected, " << c.tabs << " Tab to "
        << c.targetValue << ", typed \"" << c.typed << '"';
  }
};

class EditingTabAndTypeTest : public WindowFixture, public ::testing::WithParamInterface<TabCase> {
 protected:
  struct Outcome {
    std::string text;
    int value = 0;
    int computations = 0;
  };

  // The same typing into a box that was clicked first and its text selected.
  Outcome typedAfterAClick(int selected, int target) {
    const TabCase& c = GetParam();
    setCoefficient(target, c.targetValue);
    setCoefficient(selected, c.selectedValue);
    const int computedBefore = blockComputations();
    clickCoefBox(target);
    replaceText(coefBox(target), c.typed);
    return {coefBox(target)->text().toStdString(), model().Coef.at(target),
            blockComputations() - computedBefore};
  }
};

TEST_P(EditingTabAndTypeTest, TheBoxBecomesTheSelectionAndTakesEveryKeystroke) {
  const TabCase& c = GetParam();
  const int selected = 18;
  const int target = selected + c.tabs;
  setCoefficient(target, c.targetValue);
  setCoefficient(selected, c.selectedValue);
  const int computedBefore = blockComputations();

  pressTab(c.tabs);
  QLineEdit* box = coefBox(target);
  ASSERT_EQ(QApplication::focusWidget(), box);
  EXPECT_EQ(box->selectedText(), box->text()) << "Tab selects the whole text";
  EXPECT_EQ(model().SelIndex, selected) << "focus alone moved the selection";
  EXPECT_EQ(blockComputations(), computedBefore);

  typeInto(box, c.typed);

  EXPECT_EQ(box->text().toStdString(), c.text);
  EXPECT_EQ(model().Coef.at(target), c.value);
  EXPECT_EQ(model().SelIndex, target);
  EXPECT_EQ(model().Coef.at(selected), c.selectedValue);
  EXPECT_EQ(coefBox(selected)->text().toStdString(), std::to_string(c.selectedValue));
  expectSettled();
  const int computed = blockComputations() - computedBefore;

  const Outcome clicked = typedAfterAClick(40, 40 + c.tabs);
  EXPECT_EQ(clicked.text, c.text);
  EXPECT_EQ(clicked.value, c.value);
  EXPECT_EQ(computed, clicked.computations) << "computed otherwise than after a click";
}

INSTANTIATE_TEST_SUITE_P(
    , EditingTabAndTypeTest,
    ::testing::Values(TabCase{"DigitIntoABoxOfAnotherValue", 30, 1, -12, "7", "7", 7},
                      TabCase{"TwoDigitsIntoABoxOfAnotherValue", 30, 1, -12, "45", "45", 45},
                      TabCase{"DigitIntoABoxOfTheSameValue", 30, 1, 30, "7", "7", 7},
                      TabCase{"DigitIntoAZeroBoxNextToAZeroBox", 0, 1, 0, "7", "7", 7},
                      TabCase{"DigitIntoAZeroBoxNextToAnotherValue", 30, 1, 0, "7", "7", 7},
                      TabCase{"DigitThreeTabsAway", 30, 3, -12, "7", "7", 7},
                      TabCase{"HundredFiftyIntoABoxOfAnotherValue", 30, 1, -12, "150", "100", 100},
                      TabCase{"LettersIntoABoxOfAnotherValue", 30, 1, -12, "ab", "0b", 0},
                      TabCase{"LoneMinusIntoABoxOfAnotherValue", 30, 1, -12, "-", "-", 0},
                      TabCase{"LoneMinusIntoAZeroBoxNextToAnotherValue", 30, 1, 0, "-", "-", 0}),
    [](const auto& info) { return std::string(info.param.name); });

// The first keystroke need not replace the whole text: after Tab and Home a
// minus goes in front, and the next keystroke must land where a user expects.
struct TabCursorCase {
  const char* name;
  int selectedValue;
  friend void PrintTo(const TabCursorCase& c, std::ostream* os) { *os << c.name; }
};

class EditingTabCursorTest : public WindowFixture,
                             public ::testing::WithParamInterface<TabCursorCase> {};

TEST_P(EditingTabCursorTest, KeystrokeAfterTabAndHomeLeavesTheCursorBehindIt) {
  constexpr int kSelected = 18;
  constexpr int kTarget = 19;
  setCoefficient(kTarget, 12);
  setCoefficient(kSelected, GetParam().selectedValue);
  pressTab();
  QLineEdit* box = coefBox(kTarget);
  ASSERT_EQ(QApplication::focusWidget(), box);
  pressKey(box, Qt::Key_Home);

  typeInto(box, "-");
  EXPECT_EQ(box->text().toStdString(), "-12");
  EXPECT_EQ(model().Coef.at(kTarget), -12);
  EXPECT_EQ(box->cursorPosition(), 1);
  expectSettled();

  pressKey(box, Qt::Key_Backspace);
  EXPECT_EQ(box->text().toStdString(), "12") << "Backspace took another character than the minus";
  EXPECT_EQ(model().Coef.at(kTarget), 12);
  expectSettled();
}

INSTANTIATE_TEST_SUITE_P(, EditingTabCursorTest,
                         ::testing::Values(TabCursorCase{"FromAnotherValue", 30},
                                           TabCursorCase{"FromTheSameValue", 12}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace dct::ui::testing_support
