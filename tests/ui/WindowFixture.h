#pragma once

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPoint>
#include <QScrollBar>
#include <memory>
#include <string>

#include "Form1.h"
#include "ScrollBarInput.h"

namespace dct::ui::testing_support {

// The real window, loaded and shown under the offscreen platform, with the
// ways a user acts on it.
class WindowFixture : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  Form1& form() { return *form_; }
  const TransformModel& model() const { return form_->Model(); }
  QLineEdit* coefBox(int index) const;
  QLineEdit* pixelBox(int index) const;
  QLineEdit* indicator() const;
  QScrollBar* selector() const;
  QScrollBar* valueBar() const;
  QWidget* button(int number) const;

  void click(QWidget* widget, QPoint at = {});
  void clickCoefBox(int index) { click(coefBox(index)); }
  void typeInto(QLineEdit* box, const std::string& text);
  void replaceText(QLineEdit* box, const std::string& text);
  void pressKey(QWidget* widget, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

  // Sets coefficient `index` to `value` as a user would: a click on its box,
  // then typing the value over the selected text.
  void setCoefficient(int index, int value);

  int highlightedCount() const;
  void expectInStep();
  void expectBlockShown();
  void expectResetState();

 private:
  std::unique_ptr<Form1> form_;
};

}  // namespace dct::ui::testing_support
