#include "tests/ui/WindowRules.h"

#include <QLineEdit>
#include <QScrollBar>

#include <utility>

#include "common/Colour.h"
#include "model/CoefficientFromText.h"
#include "model/ReconstructBlock.h"
#include "platform/qt/QtAccess.h"

namespace dct::ui::testing_support {
namespace {

using Broken = std::optional<std::string>;

std::string number(long long value) { return std::to_string(value); }

// A text as a failure quotes it: a thousand typed digits are cut short.
std::string quoted(const std::string& text) {
  constexpr std::size_t kLongest = 24;
  if (text.size() <= kLongest) return '"' + text + '"';
  return '"' + text.substr(0, kLongest) + "...(" + std::to_string(text.size()) + ")\"";
}

Broken handlersEnded(const TestRuntime& events, int deepestAllowed) {
  const int deepest = events.trace.DeepestNesting();
  if (deepest > deepestAllowed) return "handlers nested " + number(deepest) + " deep";
  if (events.runtime.HandlerDepth() != 0) return "a handler has not returned";
  return std::nullopt;
}

// The handlers read the controls' own values; the user reads the widgets.
Broken screenShowsWhatHandlersRead(const Form1& form) {
  const Controls& c = form.Widgets();
  for (int i = 0; i < kGridCount; ++i) {
    const platform::TextBox& box = *c.Text2[static_cast<std::size_t>(i)];
    const auto* edit = static_cast<const QLineEdit*>(platform::qt::WidgetOf(box));
    const std::string shown = edit->text().toStdString();
    if (shown != box.Text()) {
      return "box " + number(i) + " shows " + quoted(shown) + " but holds " + quoted(box.Text());
    }
  }
  const std::pair<const char*, const platform::ScrollBar*> bars[] = {{"the selector", c.HScroll1},
                                                                     {"the value bar", c.HScroll2}};
  for (const auto& [name, bar] : bars) {
    const int shown = static_cast<const QScrollBar*>(platform::qt::WidgetOf(*bar))->value();
    if (shown != bar->Value()) {
      return std::string(name) + " shows " + number(shown) + " but holds " + number(bar->Value());
    }
  }
  return std::nullopt;
}

Broken boxesShowTheTable(const Form1& form) {
  const CoefTable& coef = form.Model().Coef;
  for (int i = 0; i < kGridCount; ++i) {
    const int value = coef.at(i);
    if (value < kCoefMin || value > kCoefMax)
      return "coefficient " + number(i) + " is " + number(value);
    const std::string& text = form.Widgets().Text2[static_cast<std::size_t>(i)]->Text();
    if (CoefficientFromText(text) != value) {
      return "box " + number(i) + " shows " + quoted(text) + " for " + number(value);
    }
  }
  if (coef.at(kGridCount) != 0) return "entry 64 is " + number(coef.at(kGridCount));
  return std::nullopt;
}

Broken selectionInStep(const Form1& form) {
  const Controls& c = form.Widgets();
  const int sel = form.Model().SelIndex;
  if (sel != c.HScroll1->Value()) {
    return "selected " + number(sel) + " but the selector stands at " + number(c.HScroll1->Value());
  }
  const int value = form.Model().Coef.at(sel);
  if (c.HScroll2->Value() != value) {
    return "the value bar reads " + number(c.HScroll2->Value()) + " for coefficient " +
           number(sel) + " = " + number(value);
  }
  for (int i = 0; i < kGridCount; ++i) {
    const Rgb colour = c.Text2[static_cast<std::size_t>(i)]->BackColor();
    if (colour != (i == sel ? kHighlight : kWhite)) {
      return "box " + number(i) + " is coloured " + number(colour) +
             (i == sel ? ", not highlighted" : ", not white");
    }
  }
  return std::nullopt;
}

// The cleared block is what Reset and the start leave: no block painted yet.
Broken blockShown(const Form1& form, bool blockComputed) {
  const Controls& c = form.Widgets();
  const PixelBlock block = ReconstructBlock(form.Model().Coef);
  for (int p = 0; p < kGridCount; ++p) {
    const auto index = static_cast<std::size_t>(p);
    const platform::TextBox& box = *c.Text1[index];
    const Rgb colour = blockComputed ? block.Colour[index] : kResetGrey;
    const std::string hint(blockComputed ? block.ToolTip[index] : "0");
    if (box.BackColor() != colour || box.ToolTipText() != hint) {
      return "pixel " + number(p) + " shows " + number(box.BackColor()) + " " +
             quoted(box.ToolTipText()) + ", not " + number(colour) + " " + quoted(hint);
    }
  }
  const Rgb indicator = blockComputed && block.Clipped ? kClippedRed : kWhite;
  if (c.Text3->BackColor() != indicator)
    return "the indicator shows " + number(c.Text3->BackColor());
  return std::nullopt;
}

}  // namespace

std::optional<std::string> BrokenRuleWhileDragging(const Form1& form, const TestRuntime& events,
                                                   int deepestNesting) {
  if (Broken broken = handlersEnded(events, deepestNesting)) return broken;
  constexpr Broken (*kRules[])(const Form1&) = {screenShowsWhatHandlersRead, boxesShowTheTable,
                                                selectionInStep};
  for (const auto rule : kRules) {
    if (Broken broken = rule(form)) return broken;
  }
  return std::nullopt;
}

std::optional<std::string> BrokenRule(const Form1& form, const TestRuntime& events,
                                      bool blockComputed, int deepestNesting) {
  if (Broken broken = BrokenRuleWhileDragging(form, events, deepestNesting)) return broken;
  return blockShown(form, blockComputed);
}

}  // namespace dct::ui::testing_support
