#include "Backend.h"
#include "WebForm.h"
#include "WebPeer.h"

namespace dct::platform {
namespace web {

// Text aligned left, no border, no access key; never takes the focus.
class WebLabel : public WebPeer<ControlPeer> {
 public:
  WebLabel(const val& client, const LabelSettings& settings);
};

namespace {

val createLabel(const LabelSettings& settings) {
  val label = CreateElement("div", "label");
  label.set(Key("textContent"), Text(settings.caption));
  return label;
}

}  // namespace

WebLabel::WebLabel(const val& client, const LabelSettings& settings)
    : WebPeer(client, createLabel(settings), settings.identity, false) {}

}  // namespace web

std::unique_ptr<ControlPeer> backend::CreateLabel(FormPeer& form, const LabelSettings& settings) {
  auto& page = static_cast<web::WebForm&>(form);
  return std::make_unique<web::WebLabel>(page.client(), settings);
}

}  // namespace dct::platform
