#pragma once

#include <string>
#include <string_view>

#include "Colour.h"
#include "Control.h"

namespace dct::platform {

class BoxEdit;

enum class Alignment { Left, Centre };

struct TextBoxSpec {
  ControlIdentity identity;
  std::string text;
  Alignment alignment = Alignment::Left;
  bool enabled = true;
  bool tabStop = true;
};

// A single-line text box without a length limit. Assigning a different text
// raises Change before the assignment returns; an equal text raises nothing.
class TextBox : public Control {
 public:
  TextBox(QWidget* parent, const TextBoxSpec& settings);
  ~TextBox() override;

  std::string Text() const;
  void SetText(std::string_view text);

  // The cursor's place, in characters from the start of the text.
  int SelStart() const;
  void SetSelStart(int position);

  Rgb BackColor() const { return backColor_; }
  void SetBackColor(Rgb colour);

  std::string ToolTipText() const;
  void SetToolTipText(std::string_view text);

  // 0: the toolkit's default pointer (an I-beam), 1: the arrow.
  int MousePointer() const { return mousePointer_; }
  void SetMousePointer(int pointer);

  void OnChange(Handler handler) { onChange_ = std::move(handler); }
  void OnClick(Handler handler) { onClick_ = std::move(handler); }

 private:
  class ClickFilter;

  BoxEdit* edit_;
  Rgb backColor_ = kWhite;
  int mousePointer_ = 0;
  Handler onChange_;
  Handler onClick_;
};

}  // namespace dct::platform
