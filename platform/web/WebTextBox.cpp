#include "Backend.h"
#include "WebForm.h"
#include "WebHint.h"
#include "WebPeer.h"

namespace dct::platform {
namespace web {

// A text box as an <input>. What the user types is reported; what the program
// shows is not (setting an input's value fires no event).
class WebTextBox : public WebPeer<TextBoxPeer>, private HintOwner {
 public:
  WebTextBox(const val& client, const TextBoxSettings& settings, TextBoxInput& input,
             WebHint& hint);

  std::string Text() const override;
  void ShowText(std::string_view text) override;
  int SelStart() const override;
  void SetSelStart(int position) override;
  void ShowBackColor(Rgb colour) override;
  void ShowToolTip(std::string_view text) override;
  void ShowMousePointer(int pointer) override;

 private:
  std::string HintText() const override { return toolTip_; }
  const val& HintAnchor() const override { return element(); }
  void listen(TextBoxInput& input);

  WebHint& hint_;
  // Kept, as a change of value writes 64 colours.
  val style_;
  std::string toolTip_;
};

namespace {

val createInput(const TextBoxSettings& settings) {
  val input =
      CreateElement("input", settings.alignment == Alignment::Centre ? "box centre" : "box");
  input.set("type", std::string("text"));
  input.set("value", settings.text);
  input.set("spellcheck", false);
  SetAttribute(input, "autocomplete", "off");
  SetAttribute(input, "autocapitalize", "off");
  SetAttribute(input, "autocorrect", "off");
  // A box that Tab skips is one nothing reads what is typed into (a pixel):
  // a tap shows its hint and brings up no on-screen keyboard. The others get
  // the full keyboard, which has the minus sign that some numeric pads lack.
  SetAttribute(input, "inputmode", settings.tabStop ? "text" : "none");
  input.set("tabIndex", settings.tabStop ? 0 : -1);
  input.set("disabled", !settings.enabled);
  return input;
}

bool isTouch(const val& event) { return event["pointerType"].as<std::string>() == "touch"; }

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

WebTextBox::WebTextBox(const val& client, const TextBoxSettings& settings, TextBoxInput& input,
                       WebHint& hint)
    : WebPeer(client, createInput(settings), settings.identity),
      hint_(hint),
      style_(element()["style"]) {
  listen(input);
}

void WebTextBox::listen(TextBoxInput& input) {
  Listen(element(), "input", [&input](const val&) { input.Edited(); });
  Listen(element(), "click", [this, &input](const val& event) {
    if (event["button"].as<int>() == 0 && isInside(element(), event)) input.Clicked();
  });
  Listen(element(), "pointerenter", [this](const val& event) {
    if (!isTouch(event) && !toolTip_.empty()) hint_.OpenSoon(*this);
  });
  Listen(element(), "pointerleave", [this](const val& event) {
    if (!isTouch(event)) hint_.Close(*this);
  });
  // A finger cannot hover: a tap opens the hint.
  Listen(element(), "pointerup", [this](const val& event) {
    if (isTouch(event) && !toolTip_.empty()) hint_.OpenNow(*this);
  });
}

std::string WebTextBox::Text() const { return element()["value"].as<std::string>(); }

void WebTextBox::ShowText(std::string_view text) { element().set("value", std::string(text)); }

int WebTextBox::SelStart() const { return element()["selectionStart"].as<int>(); }

void WebTextBox::SetSelStart(int position) {
  element().call<void>("setSelectionRange", position, position);
}

void WebTextBox::ShowBackColor(Rgb colour) {
  style_.set("backgroundColor", val(CssColour(colour).c_str()));
}

void WebTextBox::ShowToolTip(std::string_view text) {
  toolTip_ = text;
  SetAttribute(element(), "aria-description", toolTip_);
  hint_.Refresh(*this);
}

void WebTextBox::ShowMousePointer(int pointer) {
  element()["style"].set("cursor", std::string(pointer == 1 ? "default" : ""));
}

}  // namespace web

std::unique_ptr<TextBoxPeer> backend::CreateTextBox(FormPeer& form, const TextBoxSettings& settings,
                                                    TextBoxInput& input) {
  auto& page = static_cast<web::WebForm&>(form);
  return std::make_unique<web::WebTextBox>(page.client(), settings, input, page.hint());
}

}  // namespace dct::platform
