#include "platform/web/WebForm.h"
#include "platform/web/WebPeer.h"

namespace dct::platform {
namespace web {

// Text aligned left, no border, no access key; never takes the focus.
class WebLabel : public WebPeer<LabelPeer> {
 public:
  WebLabel(const val& client, const LabelSettings& settings);

  void ShowCaption(std::string_view text) override {
    element().set(Key("textContent"), Text(text));
  }
};

namespace {

val createLabel(const LabelSettings& settings) {
  val label = CreateElement("div", settings.fixedPitch ? "label fixed" : "label");
  label.set(Key("textContent"), Text(settings.caption));
  if (settings.announcesCaption) SetAttribute(label, "aria-live", "polite");
  return label;
}

}  // namespace

WebLabel::WebLabel(const val& client, const LabelSettings& settings)
    : WebPeer(client, createLabel(settings), settings.identity, false) {}

}  // namespace web

std::unique_ptr<LabelPeer> web::WebForm::CreateLabel(const LabelSettings& settings) {
  return std::make_unique<WebLabel>(client(), settings);
}

}  // namespace dct::platform
