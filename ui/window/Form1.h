#pragma once

#include <cstdint>
#include <functional>
#include <string_view>

#include "model/TransformModel.h"
#include "platform/Form.h"
#include "platform/Runtime.h"
#include "ui/window/WindowLayout.h"

namespace dct::ui {

// The one window: the coefficient grid, the pixel block it makes, and the
// handlers that keep the model, the scroll bars and the boxes in step.
class Form1 : public platform::StartupForm {
 public:
  explicit Form1(platform::Runtime& runtime);
  ~Form1() override;

  void Form_Load() override;
  void Show() override;

  void Command1_Click();
  void Command2_Click();
  void Command3_Click();
  void HScroll1_Change();
  void HScroll1_Scroll();
  void HScroll2_Change();
  void HScroll2_Scroll();
  void Text2_Change(std::int16_t Index);
  void Text2_Click(std::int16_t Index);

  // How the lesson and a link fill the window, as a user would: "Reset"
  // clicked, each coefficient that is not 0 typed into its box, then box
  // F(0,0) clicked. Only the window's own handlers run, so every rule of the
  // window holds.
  void EnterTable(const CoefTable& table);
  // "Reset" clicked.
  void PressReset();
  // Coefficient box `index` clicked: its coefficient is selected.
  void ClickCoefficient(int index);

  const TransformModel& Model() const { return model_; }
  const Controls& Widgets() const { return controls_; }
  platform::Form& PlatformForm() { return form_; }

 private:
  void connectHandlers();
  void followSelector();
  void showSelectedValue();
  void bringResetInStep();
  // A direct call of another handler runs as if its event had been raised.
  void call(std::string_view control, std::string_view event, const std::function<void()>& handler);

  platform::TextBox& Text1(int index) const;
  platform::TextBox& Text2(int index) const;

  platform::Runtime& runtime_;
  platform::Form form_;
  Controls controls_;
  TransformModel model_;
};

}  // namespace dct::ui
