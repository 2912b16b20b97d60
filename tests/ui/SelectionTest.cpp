// Selecting a coefficient and moving its value with the mouse and the keys:
// clicks on the boxes, the two scroll bars' arrows, tracks, thumbs and keys.
#include <QSignalSpy>
#include <QTest>
#include <ostream>
#include <string>
#include <vector>

#include "model/ReconstructBlock.h"
#include "tests/ui/WindowFixture.h"
#include "tests/ui/WindowRules.h"

namespace dct::ui::testing_support {
namespace {

// ---------------------------------------------------------------------------
// A click on a coefficient box while box 0 is selected.

struct ClickCase {
  const char* name;
  bool setUp;  // false: click right after start-up, nothing computed yet
  int selectedValue;
  int target;
  int targetValue;
  int computations;
  friend void PrintTo(const ClickCase& c, std::ostream* os) {
    *os << "box 0 (" << c.selectedValue << ") selected, click on box " << c.target << " ("
        << c.targetValue << ")";
  }
};

class SelectionClickTest : public WindowFixture, public ::testing::WithParamInterface<ClickCase> {};

TEST_P(SelectionClickTest, MovesTheHighlightAndComputesOnlyWhenTheValueDiffers) {
  const ClickCase& c = GetParam();
  if (c.setUp) {
    if (c.target != 0) setCoefficient(c.target, c.targetValue);
    setCoefficient(0, c.selectedValue);
  }
  ASSERT_EQ(model().SelIndex, 0);
  const ShownBlock blockBefore = shownBlock();
  const int computedBefore = blockComputations();
  QSignalSpy selectorChanges(selector(), &QScrollBar::valueChanged);
  QSignalSpy valueChanges(valueBar(), &QScrollBar::valueChanged);
  CoefTextChanges textChanges(form().Widgets());

  clickCoefBox(c.target);

  EXPECT_EQ(blockComputations() - computedBefore, c.computations);
  EXPECT_EQ(valueChanges.count(), c.computations) << "each value-bar Change computes once";
  EXPECT_EQ(selectorChanges.count(), c.target == 0 ? 0 : 1);
  EXPECT_EQ(textChanges.total(), 0) << "a click rewrites no box";
  EXPECT_EQ(model().SelIndex, c.target);
  EXPECT_EQ(model().Coef.at(c.target), c.targetValue);
  if (c.computations == 0) {
    EXPECT_EQ(shownBlock(), blockBefore);
  }
  expectSettled();
}

INSTANTIATE_TEST_SUITE_P(
    , SelectionClickTest,
    ::testing::Values(ClickCase{"Box9OfAnotherValueComputesOnce", true, 25, 9, -60, 1},
                      ClickCase{"Box9AtZeroComputesOnce", true, 25, 9, 0, 1},
                      ClickCase{"Box9OfTheSameValueComputesNothing", true, 25, 9, 25, 0},
                      ClickCase{"Box9RightAfterStartUpLeavesTheBlockGrey", false, 0, 9, 0, 0},
                      ClickCase{"TheSelectedBoxChangesNoColourAndComputesNothing", true, 25, 0, 25,
                                0}),
    [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------
// Arrow and track clicks and keys on either scroll bar, with coefficient 12
// selected and its neighbours 11 (40), 13 (-7), 4 (40) and 20 (0).

enum class Bar { Selector, Value };
enum class Input { LeftArrow, RightArrow, TrackLeft, TrackRight, Key };

struct BarCase {
  const char* name;
  int startValue;  // of coefficient 12
  Bar bar;
  Input input;
  Qt::Key key;  // for Input::Key
  int selection;
  int value;
  int computations;
  friend void PrintTo(const BarCase& c, std::ostream* os) { *os << c.name; }
};

class SelectionBarInputTest : public WindowFixture, public ::testing::WithParamInterface<BarCase> {
 protected:
  static constexpr int kSelected = 12;

  void SetUp() override {
    WindowFixture::SetUp();
    setCoefficient(11, 40);
    setCoefficient(13, -7);
    setCoefficient(4, 40);
    setCoefficient(kSelected, GetParam().startValue);
  }

  void act(QScrollBar* bar, const BarCase& c) {
    switch (c.input) {
      case Input::LeftArrow:
        return click(bar, LeftArrow(bar));
      case Input::RightArrow:
        return click(bar, RightArrow(bar));
      case Input::TrackLeft:
        return click(bar, TrackLeftOfThumb(bar));
      case Input::TrackRight:
        return click(bar, TrackRightOfThumb(bar));
      case Input::Key:
        bar->setFocus(Qt::TabFocusReason);
        return pressKey(bar, c.key);
    }
  }
};

TEST_P(SelectionBarInputTest, RaisesOneChangeAndComputesWhenTheValueMoves) {
  const BarCase& c = GetParam();
  QScrollBar* bar = c.bar == Bar::Selector ? selector() : valueBar();
  const int computedBefore = blockComputations();
  QSignalSpy selectorChanges(selector(), &QScrollBar::valueChanged);
  QSignalSpy valueChanges(valueBar(), &QScrollBar::valueChanged);
  CoefTextChanges textChanges(form().Widgets());

  act(bar, c);

  EXPECT_EQ(model().SelIndex, c.selection);
  EXPECT_EQ(model().Coef.at(c.selection), c.value);
  EXPECT_EQ(coefBox(c.selection)->text().toStdString(), std::to_string(c.value));
  EXPECT_EQ(blockComputations() - computedBefore, c.computations);
  EXPECT_EQ(valueChanges.count(), c.computations) << "each value-bar Change computes once";
  if (c.bar == Bar::Selector) {
    EXPECT_EQ(selectorChanges.count(), 1);
    EXPECT_EQ(textChanges.total(), 0) << "the new selection already shows its value";
    EXPECT_EQ(model().Coef.at(kSelected), c.startValue);
  } else {
    EXPECT_EQ(selectorChanges.count(), 0);
    EXPECT_EQ(textChanges.of(kSelected), c.computations);
    EXPECT_EQ(textChanges.total(), c.computations);
  }
  expectSettled();
}

constexpr Qt::Key kNoKey = Qt::Key_unknown;

INSTANTIATE_TEST_SUITE_P(
    , SelectionBarInputTest,
    ::testing::Values(
        BarCase{"ValueRightArrowAddsOne", 40, Bar::Value, Input::RightArrow, kNoKey, 12, 41, 1},
        BarCase{"ValueLeftArrowTakesOne", 40, Bar::Value, Input::LeftArrow, kNoKey, 12, 39, 1},
        BarCase{"ValueTrackRightAddsTen", 40, Bar::Value, Input::TrackRight, kNoKey, 12, 50, 1},
        BarCase{"ValueTrackLeftTakesTen", 40, Bar::Value, Input::TrackLeft, kNoKey, 12, 30, 1},
        BarCase{"ValueTrackRightStopsAt100", 95, Bar::Value, Input::TrackRight, kNoKey, 12, 100, 1},
        BarCase{"ValueRightArrowAt100ChangesNothing", 100, Bar::Value, Input::RightArrow, kNoKey,
                12, 100, 0},
        BarCase{"ValueKeyRightAddsOne", 40, Bar::Value, Input::Key, Qt::Key_Right, 12, 41, 1},
        BarCase{"ValueKeyLeftTakesOne", 40, Bar::Value, Input::Key, Qt::Key_Left, 12, 39, 1},
        BarCase{"ValuePageDownAddsTen", 40, Bar::Value, Input::Key, Qt::Key_PageDown, 12, 50, 1},
        BarCase{"ValuePageUpTakesTen", 40, Bar::Value, Input::Key, Qt::Key_PageUp, 12, 30, 1},
        BarCase{"ValueHomeGoesToMinus100", 40, Bar::Value, Input::Key, Qt::Key_Home, 12, -100, 1},
        BarCase{"ValueEndGoesTo100", 40, Bar::Value, Input::Key, Qt::Key_End, 12, 100, 1},
        BarCase{"SelectorRightArrowToAnotherValueComputes", 40, Bar::Selector, Input::RightArrow,
                kNoKey, 13, -7, 1},
        BarCase{"SelectorLeftArrowToAnEqualValueComputesNothing", 40, Bar::Selector,
                Input::LeftArrow, kNoKey, 11, 40, 0},
        BarCase{"SelectorTrackRightAddsEight", 40, Bar::Selector, Input::TrackRight, kNoKey, 20, 0,
                1},
        BarCase{"SelectorTrackLeftTakesEightToAnEqualValue", 40, Bar::Selector, Input::TrackLeft,
                kNoKey, 4, 40, 0},
        BarCase{"SelectorKeyRightAddsOne", 40, Bar::Selector, Input::Key, Qt::Key_Right, 13, -7, 1},
        BarCase{"SelectorKeyLeftToAnEqualValue", 40, Bar::Selector, Input::Key, Qt::Key_Left, 11,
                40, 0},
        BarCase{"SelectorPageDownAddsEight", 40, Bar::Selector, Input::Key, Qt::Key_PageDown, 20, 0,
                1},
        BarCase{"SelectorHomeGoesToCoefficient0", 40, Bar::Selector, Input::Key, Qt::Key_Home, 0, 0,
                1},
        BarCase{"SelectorEndGoesToCoefficient63", 40, Bar::Selector, Input::Key, Qt::Key_End, 63, 0,
                1}),
    [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------
// Thumb drags.

using SelectionThumbDragTest = WindowFixture;

TEST_F(SelectionThumbDragTest, ValueBarShowsEachPositionInTheBoxAndComputesOnceAtTheRelease) {
  constexpr int kSelected = 10;
  setCoefficient(1, -20);
  setCoefficient(kSelected, 40);
  const ShownBlock before = shownBlock();
  const int computedBefore = blockComputations();
  QSignalSpy valueChanges(valueBar(), &QScrollBar::valueChanged);
  CoefTextChanges textChanges(form().Widgets());
  const std::vector<int> positions{45, 52, 60, 71};

  const bool landed = DragThumb(valueBar(), positions, [&](int value) {
    EXPECT_EQ(coefBox(kSelected)->text().toStdString(), std::to_string(value));
    EXPECT_EQ(model().Coef.at(kSelected), value);
    EXPECT_EQ(model().SelIndex, kSelected);
    EXPECT_EQ(blockComputations(), computedBefore) << "computed during the drag";
    EXPECT_EQ(shownBlock(), before) << "the block changed during the drag at " << value;
    // Otherwise the check above could not tell a repaint from none.
    EXPECT_NE(ReconstructBlock(model().Coef).Colour, before.colour);
    EXPECT_EQ(BrokenRuleWhileDragging(form(), events()), std::nullopt);
  });

  ASSERT_TRUE(landed);
  EXPECT_EQ(blockComputations() - computedBefore, 1);
  EXPECT_EQ(valueChanges.count(), static_cast<int>(positions.size()));
  EXPECT_EQ(textChanges.of(kSelected), static_cast<int>(positions.size()));
  EXPECT_EQ(textChanges.total(), static_cast<int>(positions.size()));
  EXPECT_EQ(model().Coef.at(kSelected), positions.back());
  expectSettled();
}

TEST_F(SelectionThumbDragTest, SelectorHighlightFollowsTheThumbComputingOnlyForAnotherValue) {
  setCoefficient(1, 20);
  setCoefficient(2, 20);
  setCoefficient(3, -5);
  clickCoefBox(0);
  ASSERT_EQ(model().SelIndex, 0);
  const int computedBefore = blockComputations();
  QSignalSpy selectorChanges(selector(), &QScrollBar::valueChanged);
  CoefTextChanges textChanges(form().Widgets());
  // From 0 (value 0): to 1 (20) computes, to 2 (20) not, to 3 (-5) and to 4 (0) compute.
  const std::vector<int> positions{1, 2, 3, 4};
  const std::vector<int> computedSoFar{1, 1, 2, 3};
  std::size_t step = 0;

  const bool landed = DragThumb(selector(), positions, [&](int index) {
    EXPECT_EQ(model().SelIndex, index);
    EXPECT_EQ(blockComputations() - computedBefore, computedSoFar.at(step++));
    expectSettled();
  });

  ASSERT_TRUE(landed);
  EXPECT_EQ(blockComputations() - computedBefore, computedSoFar.back())
      << "the release computed again";
  EXPECT_EQ(selectorChanges.count(), static_cast<int>(positions.size()));
  EXPECT_EQ(textChanges.total(), 0);
  EXPECT_EQ(model().SelIndex, 4);
  expectSettled();
}

}  // namespace
}  // namespace dct::ui::testing_support
