#include "platform/web/WebForm.h"
#include "platform/web/WebPeer.h"

namespace dct::platform {
namespace web {

// A push button that is neither the default nor the cancel button: the
// browser presses it by Space or Enter while it has the focus, as the desktop
// edition does.
class WebButton : public WebPeer<CommandButtonPeer> {
 public:
  WebButton(WebForm& form, const CommandButtonSettings& settings, ButtonInput& input);

  void ShowCaption(std::string_view text) override {
    element().set(Key("textContent"), Text(text));
  }
};

namespace {

val createButton(const CommandButtonSettings& settings) {
  val button = CreateElement("button", "button");
  button.set(Key("type"), Key("button"));
  button.set(Key("textContent"), Text(settings.caption));
  return button;
}

}  // namespace

WebButton::WebButton(WebForm& form, const CommandButtonSettings& settings, ButtonInput& input)
    : WebPeer(form.client(), createButton(settings), settings.identity, true) {
  form.events().Listen(element(), "click", [&input](const val&) { input.Clicked(); });
}

}  // namespace web

std::unique_ptr<CommandButtonPeer> web::WebForm::CreateCommandButton(
    const CommandButtonSettings& settings, ButtonInput& input) {
  return std::make_unique<WebButton>(*this, settings, input);
}

}  // namespace dct::platform
