// How the handlers raise each other. Three assignments raise an event, only
// when they change the value: an unchanged value raises nothing, which ends
// every chain. Colours, hints and the pixel boxes raise nothing.
//
//   HScroll1.Value = k  -> HScroll1_Change: highlight and select box k, then
//                          HScroll2.Value = Coef(k)
//   HScroll2.Value = v  -> HScroll2_Change: Text2(sel).Text = v, Coef(sel) = v,
//                          then compute and show the block
//   Text2(i).Text = t   -> Text2_Change(i): HScroll1.Value = i, then
//                          HScroll2.Value = the value t reads as
//
// So the value bar is the one road into the table: only its Change (and its
// Scroll, while the thumb is dragged) stores a value, Reset's zeros aside.
// Typing into a box k that is not selected nests four handlers, the deepest:
//
//   Text2_Change(k)             the keystroke
//   `- HScroll1_Change          HScroll1.Value = k
//      `- HScroll2_Change       HScroll2.Value = Coef(k)
//         `- Text2_Change(k)    Text2(k).Text = Coef(k): both bars stand
//                               there already, so nothing more is raised
//
// Zero assigns HScroll2.Value = 0, then calls HScroll2_Change as if raised:
// the block is computed twice when the value moved, else once. Reset's first
// pass writes "0" into each box; one that showed another text raises the
// chain above as far as HScroll2_Change. The second pass raises nothing, and
// the HScroll1.Value = 0 after it only selects box 0.
#include "ui/window/Form1.h"

#include <stdexcept>
#include <string>
#include <string_view>

#include "common/Colour.h"
#include "model/CoefficientFromText.h"
#include "model/ReconstructBlock.h"
#include "ui/form/FormBuilder.h"
#include "ui/window/AppIcon.h"
#include "ui/window/BlockView.h"

namespace dct::ui {
namespace {

platform::TextBox& element(const std::array<platform::TextBox*, kGridCount>& array,
                           const char* name, int index) {
  if (index < 0 || index >= kGridCount) {
    throw std::out_of_range(std::string(name) + "(" + std::to_string(index) + ") does not exist");
  }
  return *array[static_cast<std::size_t>(index)];
}

constexpr std::string_view kLoneMinus = "-";

// Numbers shown as text: plain decimal, a leading "-" when negative.
std::string decimal(int value) { return std::to_string(value); }

// Every control of the layout, in Tab order.
Controls buildControls(platform::Form& form) {
  Controls controls;
  AddGrid(form, kPixelGrid, controls);
  AddGrid(form, kCoefficientGrid, controls);
  for (const SingleControlOf<Controls>& single : kSingleControls) {
    AddSingle(form, single, controls);
  }
  form.ApplyTabOrder();
  return controls;
}

}  // namespace

Form1::Form1(platform::Runtime& runtime)
    : runtime_(runtime),
      form_(runtime, platform::FormSettings{.title = kTitle,
                                            .clientWidth = kClientWidth,
                                            .clientHeight = kClientHeight,
                                            .icon = AppIcon(),
                                            .fingerClientWidth = kFingerClientWidth,
                                            .fingerClientHeight = kFingerClientHeight}),
      controls_(buildControls(form_)) {
  connectHandlers();
}

Form1::~Form1() = default;

void Form1::connectHandlers() {
  controls_.Command1->OnClick([this] { Command1_Click(); });
  controls_.Command2->OnClick([this] { Command2_Click(); });
  controls_.Command3->OnClick([this] { Command3_Click(); });
  controls_.HScroll1->OnChange([this] { HScroll1_Change(); });
  controls_.HScroll1->OnScroll([this] { HScroll1_Scroll(); });
  controls_.HScroll2->OnChange([this] { HScroll2_Change(); });
  controls_.HScroll2->OnScroll([this] { HScroll2_Scroll(); });
  for (std::int16_t i = 0; i < kGridCount; ++i) {
    Text2(i).OnChange([this, i] { Text2_Change(i); });
    Text2(i).OnClick([this, i] { Text2_Click(i); });
  }
}

void Form1::Show() { form_.Show(); }

void Form1::call(std::string_view control, std::string_view event,
                 const std::function<void()>& handler) {
  runtime_.Raise({control, event}, handler);
}

void Form1::EnterTable(const CoefTable& table) {
  PressReset();
  for (int i = 0; i < kGridCount; ++i) {
    const auto value = table.at(i);
    if (value != 0) Text2(i).SetText(decimal(value));
  }
  runtime_.Raise({"Text2", "Click", 0}, [this] { Text2_Click(0); });
}

void Form1::ClickCoefficient(int index) {
  const auto box = static_cast<std::int16_t>(index);
  runtime_.Raise({"Text2", "Click", index}, [this, box] { Text2_Click(box); });
}

void Form1::PressReset() {
  call("Command1", "Click", [this] { Command1_Click(); });
}

platform::TextBox& Form1::Text1(int index) const {
  return element(controls_.Text1, "Text1", index);
}
platform::TextBox& Form1::Text2(int index) const {
  return element(controls_.Text2, "Text2", index);
}

void Form1::Form_Load() {
  PressReset();
  model_.SelIndex = 0;
  for (int i = 0; i < kGridCount; ++i) {
    model_.Coef.set(i, 0);
    Text1(i).SetBackColor(kResetGrey);
    Text2(i).SetText(decimal(model_.Coef.at(i)));
  }
}

// Reset. A box whose text was not 0 raises its Change in the first pass, and
// with it possibly a block computed from a half-cleared table; the second
// pass repaints everything once every coefficient is 0.
void Form1::Command1_Click() {
  model_.SelIndex = 0;
  for (int i = 0; i < kGridCount; ++i) {
    model_.Coef.set(i, 0);
    Text2(i).SetText(decimal(model_.Coef.at(i)));
    Text2(i).SetBackColor(kWhite);
    Text1(i).SetBackColor(kResetGrey);
    Text1(i).SetMousePointer(1);
    Text1(i).SetToolTipText("0");
    Text1(i).SetText("");
    model_.Coef.set(i, 0);
  }
  for (int i = 0; i < kGridCount; ++i) {
    model_.Coef.set(i, 0);
    Text2(i).SetText(decimal(model_.Coef.at(i)));
    Text2(i).SetBackColor(kWhite);
    Text1(i).SetBackColor(kResetGrey);
    model_.Coef.set(i, 0);
  }
  bringResetInStep();
}

// The passes alone can leave the selector elsewhere while coefficient 0 is
// the selection, no box highlighted (so that the next move of the value bar
// would be undone), and the hints and indicator of a half-cleared block.
void Form1::bringResetInStep() {
  controls_.HScroll1->SetValue(0);
  Text2(model_.SelIndex).SetBackColor(kHighlight);
  controls_.HScroll2->SetValue(model_.Coef.at(model_.SelIndex));
  ShowClearedBlock(controls_.Text1, *controls_.Text3);
}

// Zero: the bar's Change, when the value moved, and then a direct call, so
// that the block is computed twice when the value changed and once when not.
void Form1::Command2_Click() {
  controls_.HScroll2->SetValue(0);
  call("HScroll2", "Change", [this] { HScroll2_Change(); });
}

void Form1::Command3_Click() { runtime_.End(); }

void Form1::HScroll1_Change() { followSelector(); }
void Form1::HScroll1_Scroll() { followSelector(); }

// Every value is read afresh after each assignment that can raise an event.
void Form1::followSelector() {
  Text2(model_.SelIndex).SetBackColor(kWhite);
  const int k = controls_.HScroll1->Value();
  Text2(k).SetBackColor(kHighlight);
  model_.SelIndex = controls_.HScroll1->Value();
  controls_.HScroll2->SetValue(model_.Coef.at(model_.SelIndex));
}

void Form1::showSelectedValue() {
  Text2(model_.SelIndex).SetText(decimal(controls_.HScroll2->Value()));
  model_.Coef.set(model_.SelIndex, controls_.HScroll2->Value());
}

void Form1::HScroll2_Scroll() { showSelectedValue(); }

void Form1::HScroll2_Change() {
  showSelectedValue();
  ShowBlock(controls_.Text1, *controls_.Text3, ReconstructBlock(model_.Coef));
}

void Form1::Text2_Change(std::int16_t Index) {
  const std::string typed = Text2(Index).Text();
  const int cursor = Text2(Index).SelStart();
  const bool selectionMoves = controls_.HScroll1->Value() != Index;
  controls_.HScroll1->SetValue(Index);
  // Moving the selection loads the bar from the coefficient, which rewrites
  // this box and would lose the keystroke just typed: put the typed text back
  // (and the cursor where the user left it), which takes it as if the box had
  // been selected before.
  if (selectionMoves && Text2(Index).Text() != typed) {
    Text2(Index).SetText(typed);
    if (Text2(Index).Text() == typed) Text2(Index).SetSelStart(cursor);
  }
  const std::string text = Text2(Index).Text();
  controls_.HScroll2->SetValue(CoefficientFromText(text));
  // A lone minus sign reads as 0, and when the value was another, the bar's
  // Change has just rewritten it to "0": the digits typed next would then
  // make a positive number. Put the sign back; the coefficient stays 0 meanwhile.
  if (text == kLoneMinus && Text2(Index).Text() != text) Text2(Index).SetText(text);
}

void Form1::Text2_Click(std::int16_t Index) {
  controls_.HScroll1->SetValue(Index);
  model_.SelIndex = Index;
  controls_.HScroll2->SetValue(model_.Coef.at(model_.SelIndex));
}

}  // namespace dct::ui
