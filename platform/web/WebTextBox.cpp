#include <string>

#include "platform/web/WebForm.h"
#include "platform/web/WebHint.h"
#include "platform/web/WebPeer.h"

namespace dct::platform {
namespace web {

struct ColourMark;

// A text box as an <input>. What the user types is reported; what the program
// shows is not (setting an input's value fires no event).
class WebTextBox : public WebPeer<TextBoxPeer>, private HintOwner {
 public:
  WebTextBox(WebForm& form, const TextBoxSettings& settings, TextBoxInput& input);

  std::string Text() const override;
  void ShowText(std::string_view text) override;
  int SelStart() const override;
  void SetSelStart(int position) override;
  void ShowBackColor(Rgb colour) override;
  void ShowToolTip(std::string_view text) override;
  void ShowMousePointer(int pointer) override;
  void SetAccessibleDescription(std::string_view text) override;

 private:
  std::string HintText() const override { return toolTip_; }
  const val& HintAnchor() const override { return element(); }
  void listen(Events& events, TextBoxInput& input);
  void showMark(const ColourMark* mark);

  WebHint& hint_;
  // Kept, as a change of value writes 64 colours.
  val style_;
  // Where a screen reader hears each new description, if the box has one.
  val announcer_ = val::null();
  std::string toolTip_;
  // What shows the box's colour otherwise than by colour, if it means something.
  const ColourMark* mark_ = nullptr;
  bool touched_ = false;
};

// The colours that mean something, each also shown by a class of the page's
// style: the selected coefficient, which a screen reader is told is the
// current one, and a clipped block.
struct ColourMark {
  Rgb colour;
  const char* className;
  bool current;
};

namespace {

constexpr ColourMark kColourMarks[] = {{kHighlight, "highlight", true},
                                       {kClippedRed, "clipped", false}};

bool isCurrent(const ColourMark* mark) { return mark != nullptr && mark->current; }

val newInput(const TextBoxSettings& settings) {
  val input =
      CreateElement("input", settings.alignment == Alignment::Centre ? "box centre" : "box");
  input.set(Key("type"), Key("text"));
  input.set(Key("spellcheck"), false);
  SetAttribute(input, "autocomplete", "off");
  SetAttribute(input, "autocapitalize", "off");
  SetAttribute(input, "autocorrect", "off");
  // A box that Tab skips is one nothing reads what is typed into (a pixel):
  // a tap shows its hint and brings up no on-screen keyboard. The others get
  // the full keyboard, which has the minus sign that some numeric pads lack.
  SetAttribute(input, "inputmode", settings.tabStop ? "text" : "none");
  input.set(Key("tabIndex"), settings.tabStop ? 0 : -1);
  input.set(Key("disabled"), !settings.enabled);
  input.set(Key("readOnly"), settings.locked);
  return input;
}

// Boxes of one kind differ in their text only.
val createInput(WebForm& form, const TextBoxSettings& settings) {
  std::string kind = "input";
  for (const bool flag : {settings.alignment == Alignment::Centre, settings.tabStop,
                          settings.enabled, settings.locked}) {
    kind += flag ? '1' : '0';
  }
  val input = form.Made(kind, [&settings] { return newInput(settings); });
  input.set(Key("value"), web::Text(settings.text));
  return input;
}

bool isTouch(const val& event) { return event[Key("pointerType")].as<std::string>() == "touch"; }

// Firefox sends the release of a press that began in a text box to that box,
// wherever the pointer is: a click is a release inside the box.
bool isInside(const val& element, const val& event) {
  const val box = element.call<val>("getBoundingClientRect");
  const auto x = event["clientX"].as<double>();
  const auto y = event["clientY"].as<double>();
  return x >= box["left"].as<double>() && x < box["right"].as<double>() &&
         y >= box["top"].as<double>() && y < box["bottom"].as<double>();
}

}  // namespace

WebTextBox::WebTextBox(WebForm& form, const TextBoxSettings& settings, TextBoxInput& input)
    : WebPeer(form.client(), createInput(form, settings), settings.identity,
              settings.tabStop && settings.enabled),
      hint_(form.hint()),
      style_(element()[Key("style")]) {
  if (settings.announcesDescription) announcer_ = CreateAnnouncer(form.client());
  listen(form.events(), input);
}

void WebTextBox::listen(Events& events, TextBoxInput& input) {
  events.Listen(element(), "input", [&input](const val&) { input.Edited(); });
  // Return that the program takes does nothing else; a box is in no form to
  // submit, but a browser could still find something to do with it. A key
  // that ends an input method's composition is the method's.
  events.ListenTaken(element(), "keydown", [&input](const val& event) {
    if (event["key"].as<std::string>() != "Enter" || event["isComposing"].as<bool>()) return false;
    if (!input.ReturnPressed()) return false;
    event.call<void>("preventDefault");
    return true;
  });
  // A tap selects the whole text, so that what is typed next replaces it: a
  // finger cannot put the cursor where it wants. A mouse places it.
  events.Listen(element(), "click", [this, &input](const val& event) {
    if (event["button"].as<int>() != 0 || !isInside(element(), event)) return;
    input.Clicked();
    if (touched_) element().call<void>("select");
  });
  events.Listen(element(), "pointerenter", [this](const val& event) {
    if (!isTouch(event) && !toolTip_.empty()) hint_.OpenSoon(*this);
  });
  events.Listen(element(), "pointerleave", [this](const val& event) {
    if (!isTouch(event)) hint_.Close(*this);
  });
  // A finger cannot hover: a tap opens the hint.
  events.Listen(element(), "pointerup", [this](const val& event) {
    touched_ = isTouch(event);
    if (touched_ && !toolTip_.empty()) hint_.OpenNow(*this);
  });
}

std::string WebTextBox::Text() const { return element()[Key("value")].as<std::string>(); }

void WebTextBox::ShowText(std::string_view text) { element().set(Key("value"), web::Text(text)); }

int WebTextBox::SelStart() const { return element()[Key("selectionStart")].as<int>(); }

void WebTextBox::SetSelStart(int position) {
  element().call<void>("setSelectionRange", position, position);
}

void WebTextBox::ShowBackColor(Rgb colour) {
  style_.set(Key("backgroundColor"), val(CssColour(colour).c_str()));
  const ColourMark* mark = nullptr;
  for (const ColourMark& entry : kColourMarks) {
    if (entry.colour == colour) mark = &entry;
  }
  if (mark != mark_) showMark(mark);
}

void WebTextBox::showMark(const ColourMark* mark) {
  const val classes = element()[Key("classList")];
  if (mark_ != nullptr) classes.call<void>("remove", Key(mark_->className));
  if (mark != nullptr) classes.call<void>("add", Key(mark->className));
  if (isCurrent(mark) != isCurrent(mark_)) {
    SetAttribute(element(), "aria-current", isCurrent(mark) ? "true" : "false");
  }
  mark_ = mark;
}

void WebTextBox::ShowToolTip(std::string_view text) {
  toolTip_ = text;
  SetAttribute(element(), "aria-description", toolTip_);
  hint_.Refresh(*this);
}

void WebTextBox::ShowMousePointer(int pointer) {
  style_.set(Key("cursor"), Key(pointer == 1 ? "default" : ""));
}

void WebTextBox::SetAccessibleDescription(std::string_view text) {
  WebPeer::SetAccessibleDescription(text);
  if (!announcer_.isNull()) announcer_.set(Key("textContent"), web::Text(text));
}

}  // namespace web

std::unique_ptr<TextBoxPeer> web::WebForm::CreateTextBox(const TextBoxSettings& settings,
                                                         TextBoxInput& input) {
  return std::make_unique<WebTextBox>(*this, settings, input);
}

}  // namespace dct::platform
