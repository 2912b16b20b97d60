#include "Backend.h"
#include "WebForm.h"
#include "WebPeer.h"

namespace dct::platform {
namespace web {

// A push button that is neither the default (Enter) nor the cancel button.
class WebButton : public WebPeer<ControlPeer> {
 public:
  WebButton(const val& client, const CommandButtonSettings& settings, ButtonInput& input);
};

namespace {

val createButton(const CommandButtonSettings& settings) {
  val button = CreateElement("button", "button");
  button.set("type", std::string("button"));
  button.set("textContent", settings.caption);
  return button;
}

}  // namespace

WebButton::WebButton(const val& client, const CommandButtonSettings& settings, ButtonInput& input)
    : WebPeer(client, createButton(settings), settings.identity) {
  Listen(element(), "click", [&input](const val&) { input.Clicked(); });
  // A browser clicks a focused button on Enter too; the desktop's buttons,
  // none of them the default, take only the space bar.
  Listen(element(), "keydown", [](const val& event) {
    if (event["key"].as<std::string>() == "Enter") event.call<void>("preventDefault");
  });
}

}  // namespace web

std::unique_ptr<ControlPeer> backend::CreateCommandButton(FormPeer& form,
                                                          const CommandButtonSettings& settings,
                                                          ButtonInput& input) {
  auto& page = static_cast<web::WebForm&>(form);
  return std::make_unique<web::WebButton>(page.client(), settings, input);
}

}  // namespace dct::platform
