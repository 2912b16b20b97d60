#pragma once

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPoint>
#include <QScrollBar>
#include <QSignalSpy>
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "common/Colour.h"
#include "tests/ui/OpenWindow.h"
#include "tests/ui/ScrollBarInput.h"
#include "ui/window/Form1.h"

namespace dct::ui::testing_support {

// What the pixel grid and the indicator show, to tell whether a block was painted.
struct ShownBlock {
  std::array<Rgb, kGridCount> colour{};
  std::array<std::string, kGridCount> hint{};
  std::array<std::string, kGridCount> text{};
  Rgb indicator = 0;

  bool operator==(const ShownBlock&) const = default;
};

// Counts the Change events of the 64 coefficient boxes (their textChanged signals).
class CoefTextChanges {
 public:
  explicit CoefTextChanges(const Controls& controls);
  int of(int index) const;
  int total() const;

 private:
  std::vector<std::unique_ptr<QSignalSpy>> spies_;
};

// The real window, loaded and shown under the offscreen platform, with the
// ways a user acts on it.
class WindowFixture : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  Form1& form() { return opened_->form; }
  const Form1& form() const { return opened_->form; }
  TestRuntime& events() { return opened_->events; }
  int blockComputations() const { return opened_->events.trace.BlockComputations(); }
  const TransformModel& model() const { return form().Model(); }
  QLineEdit* coefBox(int index) const;
  QLineEdit* pixelBox(int index) const;
  QLineEdit* indicator() const;
  QScrollBar* selector() const;
  QScrollBar* valueBar() const;
  QWidget* button(int number) const;

  void click(QWidget* widget, QPoint at = {});
  // A click on Reset, after which the pixel boxes show the cleared block until
  // a block is computed again.
  void clickReset();
  void clickCoefBox(int index) { click(coefBox(index)); }
  void typeInto(QLineEdit* box, const std::string& text);
  void replaceText(QLineEdit* box, const std::string& text);
  void pressKey(QWidget* widget, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

  // Sets coefficient `index` to `value` as a user would: a click on its box,
  // then typing the value over the selected text.
  void setCoefficient(int index, int value);

  // The window's rules (WindowRules.h) after a completed action, and the
  // pixel boxes and the indicator empty and drawn in the colours they hold.
  void expectSettled();
  // Settled with the cleared block, every coefficient 0 and box 0 selected.
  void expectResetState();

  // Presses Tab on the focused widget `presses` times; focus alone raises no event.
  void pressTab(int presses = 1);
  ShownBlock shownBlock() const;

 private:
  void expectRulesHold(bool blockComputed);

  std::unique_ptr<OpenedWindow> opened_;
  int computationsAtReset_ = 0;
};

}  // namespace dct::ui::testing_support
