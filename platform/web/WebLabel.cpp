#include "WebLabel.h"

namespace dct::platform::web {
namespace {

val createLabel(const LabelSpec& settings) {
  val label = CreateElement("div", "label");
  label.set("textContent", settings.caption);
  return label;
}

}  // namespace

WebLabel::WebLabel(const val& client, const LabelSpec& settings)
    : WebPeer(createLabel(settings), settings.identity) {
  client.call<void>("appendChild", element());
}

}  // namespace dct::platform::web
