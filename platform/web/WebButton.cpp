#include "WebButton.h"

namespace dct::platform::web {
namespace {

val createButton(const CommandButtonSpec& settings) {
  val button = CreateElement("button", "button");
  button.set("type", std::string("button"));
  button.set("textContent", settings.caption);
  return button;
}

}  // namespace

WebButton::WebButton(const val& client, const CommandButtonSpec& settings, ButtonInput& input)
    : WebPeer(createButton(settings), settings.identity) {
  client.call<void>("appendChild", element());
  Listen(element(), "click", [&input](const val&) { input.Clicked(); });
  // A browser clicks a focused button on Enter too; the desktop's buttons,
  // none of them the default, take only the space bar.
  Listen(element(), "keydown", [](const val& event) {
    if (event["key"].as<std::string>() == "Enter") event.call<void>("preventDefault");
  });
}

}  // namespace dct::platform::web
